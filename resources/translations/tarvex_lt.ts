<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="en">
<context>
    <name>Compare</name>
    <message>
        <source>(not in the list)</source>
        <translation>(nėra sąraše)</translation>
    </message>
    <message>
        <source>%1: bits no control sets</source>
        <translation>%1: programoje nenustatomi bitai</translation>
    </message>
    <message>
        <source>Differences only</source>
        <translation>Tik skirtumai</translation>
    </message>
    <message>
        <source>%1 of %2 rows differ.</source>
        <translation>Eilučių su skirtumais: %1 iš %2.</translation>
    </message>
    <message>
        <source>The controller does not answer: its values cannot be shown and the file cannot be sent.</source>
        <translation>Valdiklis neatsako: negalima parodyti jo reikšmių ir išsiųsti failo.</translation>
    </message>
    <message>
        <source>The controller is not of generation 2: its settings cannot be read and the file cannot be sent.</source>
        <translation>Valdiklis nėra 2 kartos: negalima nuskaityti jo nustatymų ir išsiųsti failo.</translation>
    </message>
    <message>
        <source>The controller&apos;s settings could not be read: its values cannot be shown and the file cannot be sent.</source>
        <translation>Nepavyko nuskaityti valdiklio nustatymų: negalima parodyti jo reikšmių ir išsiųsti failo.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Nothing to save</source>
        <translation>Nėra ką išsaugoti</translation>
    </message>
    <message>
        <source>The controller&apos;s settings have not been read since it last answered: there is nothing of the car to save. Nothing was written.</source>
        <translation>Nuo paskutinio valdiklio atsakymo jo nustatymai nenuskaityti: iš automobilio nėra ką išsaugoti. Nieko neįrašyta.</translation>
    </message>
    <message>
        <source>Not acknowledged: %1.</source>
        <translation>Nepatvirtinta: %1.</translation>
    </message>
    <message>
        <source>The controller does not hold: %1.</source>
        <translation>Valdiklis neišsaugojo: %1.</translation>
    </message>
    <message>
        <source>The settings could not be read back from the controller: nothing confirms that it holds them.</source>
        <translation>Nepavyko pakartotinai nuskaityti nustatymų iš valdiklio: niekas nepatvirtina, kad jis juos išsaugojo.</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Recording ended</source>
        <translation>Įrašas baigėsi</translation>
    </message>
    <message>
        <source>The recording has ended.</source>
        <translatorcomment>Drawn on the dashboard in windows-1250, which lacks ė į ų ū: worded without them.</translatorcomment>
        <translation>Atkurta iki galo.</translation>
    </message>
    <message>
        <source>A recording is playing in place of the controller: nothing is sent to the controller.

Choose &quot;%1&quot; in the File menu again to return to the controller.</source>
        <translation>Vietoj valdiklio atkuriamas įrašas: į valdiklį nieko nesiunčiama.

Kad grįžtumėte prie valdiklio, meniu „Failas“ dar kartą pasirinkite „%1“.</translation>
    </message>
</context>
<context>
    <name>Port</name>
    <message>
        <source>(no serial devices found)</source>
        <translation>(nuosekliųjų įrenginių nerasta)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Prievadas</translation>
    </message>
    <message>
        <source>%1 could not be read, so COM 1 to COM 4 stand for /dev/ttyS0 to /dev/ttyS3.</source>
        <translation>Nepavyko nuskaityti failo %1, todėl prievadai COM 1–COM 4 atitinka /dev/ttyS0–/dev/ttyS3.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>nėra įrenginio</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>nėra teisių</translation>
    </message>
    <message>
        <source>held by another program</source>
        <translation>užimtas kitos programos</translation>
    </message>
    <message>
        <source>not a terminal</source>
        <translation>ne nuoseklusis prievadas</translation>
    </message>
    <message>
        <source>cannot open (%1)</source>
        <translation>nepavyksta atidaryti (%1)</translation>
    </message>
    <message>
        <source>Find controller</source>
        <translation>Rasti valdiklį</translation>
    </message>
    <message>
        <source>COM %1 stands for %2 until Tarvex ends, but %3 could not be written, so this is not kept.</source>
        <translation>COM %1 atitinka %2, kol veikia Tarvex, bet nepavyko įrašyti failo %3, todėl pasirinkimas nebus išsaugotas.</translation>
    </message>
    <message>
        <source>The controller answered on %1.

COM %2 now stands for it.</source>
        <translation>Valdiklis atsakė per %1.

Dabar COM %2 atitinka šį įrenginį.</translation>
    </message>
    <message>
        <source>No serial devices found. Check that the lead is plugged in.</source>
        <translation>Nerasta nuosekliųjų įrenginių. Patikrinkite, ar prijungtas laidas.</translation>
    </message>
    <message>
        <source>No controller answered on the serial devices present. Check the lead and that the ignition is on.</source>
        <translation>Valdiklis neatsakė nė viename prijungtame nuosekliajame įrenginyje. Patikrinkite laidą ir ar įjungtas uždegimas.</translation>
    </message>
    <message>
        <source>Not tried, in use by another program: %1</source>
        <translation>Nebandyta, naudoja kita programa: %1</translation>
    </message>
</context>
</TS>
