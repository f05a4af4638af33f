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
    <name>History</name>
    <message>
        <source>Undo last change</source>
        <translation>Atšaukti paskutinį pakeitimą</translation>
    </message>
    <message>
        <source>Settings history...</source>
        <translation>Nustatymų istorija...</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Atšaukta: %1.</translation>
    </message>
    <message>
        <source>Not known before the change, left as they are: %1.</source>
        <translation>Reikšmės prieš pakeitimą nežinomos, paliktos kaip yra: %1.</translation>
    </message>
    <message>
        <source>%1: sent %2, shows %3 now</source>
        <translation>%1: išsiųsta %2, dabar rodo %3</translation>
    </message>
    <message>
        <source>The controller no longer shows what %1 sent:

%2

Send the values from before it all the same?</source>
        <translation>Valdiklis neberodo to, kas išsiųsta pakeitimu %1:

%2

Vis tiek siųsti reikšmes, buvusias prieš jį?</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Nieko neišsiųsta.</translation>
    </message>
    <message>
        <source>There is no change left to undo.</source>
        <translation>Nebėra pakeitimų, kuriuos būtų galima atšaukti.</translation>
    </message>
    <message>
        <source>The last change is a factory reset, and no snapshot of the settings was taken before it: what the controller held is not known, so it cannot be undone.</source>
        <translation>Paskutinis pakeitimas – gamyklinių nustatymų atkūrimas, o prieš jį nustatymų kopija nebuvo padaryta: nežinoma, kas buvo valdiklyje, todėl jo atšaukti negalima.</translation>
    </message>
    <message>
        <source>The values from before the last change (%1) are not known: they had not been read from the controller. Nothing was sent; restore a snapshot from the settings history instead.</source>
        <translation>Reikšmės prieš paskutinį pakeitimą (%1) nežinomos: jos nebuvo nuskaitytos iš valdiklio. Nieko neišsiųsta; vietoj to atkurkite kopiją iš nustatymų istorijos.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Laikas</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Įvykis</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Nustatymas</translation>
    </message>
    <message>
        <source>Before, sent</source>
        <translation>Prieš, išsiųsta</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Rezultatas</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Automobilis</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Pastaba</translation>
    </message>
    <message>
        <source>Snapshot: %1</source>
        <translation>Kopija: %1</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>Būklė atvykus</translation>
    </message>
    <message>
        <source>Before a settings file</source>
        <translation>Prieš siunčiant nustatymų failą</translation>
    </message>
    <message>
        <source>Before a factory reset</source>
        <translation>Prieš gamyklinių nustatymų atkūrimą</translation>
    </message>
    <message>
        <source>Before an undo</source>
        <translation>Prieš atšaukimą</translation>
    </message>
    <message>
        <source>Before a restore</source>
        <translation>Prieš atkuriant kopiją</translation>
    </message>
    <message>
        <source>By hand</source>
        <translation>Rankiniu būdu</translation>
    </message>
    <message>
        <source>Other write</source>
        <translation>Kitas įrašymas</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Pasirinkimas iš sąrašo</translation>
    </message>
    <message>
        <source>Emulation corrections</source>
        <translation>Emuliacijos korekcijos</translation>
    </message>
    <message>
        <source>Settings file sent</source>
        <translation>Išsiųstas nustatymų failas</translation>
    </message>
    <message>
        <source>Comparison sent</source>
        <translation>Išsiųsta iš palyginimo</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Gamyklinių nustatymų atkūrimas</translation>
    </message>
    <message>
        <source>Learning run</source>
        <translation>Mokymasis</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Atšaukimas</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Atkurti</translation>
    </message>
    <message>
        <source>tarvex-cli write</source>
        <translation>tarvex-cli write</translation>
    </message>
    <message>
        <source>Sent, no answer kept</source>
        <translation>Išsiųsta, atsakymas neišsaugotas</translation>
    </message>
    <message>
        <source>Acknowledged</source>
        <translation>Patvirtinta</translation>
    </message>
    <message>
        <source>Not acknowledged</source>
        <translation>Nepatvirtinta</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Patikrinta nuskaitant</translation>
    </message>
    <message>
        <source>Not held: shows %1</source>
        <translation>Neišsaugota: rodo %1</translation>
    </message>
    <message>
        <source>The controller does not answer.</source>
        <translation>Valdiklis neatsako.</translation>
    </message>
    <message>
        <source>The controller is not of generation 2.</source>
        <translation>Valdiklis nėra 2 kartos.</translation>
    </message>
    <message>
        <source>The controller&apos;s settings could not be read.</source>
        <translation>Nepavyko nuskaityti valdiklio nustatymų.</translation>
    </message>
    <message>
        <source>Settings history</source>
        <translation>Nustatymų istorija</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (package libqt6sql6-sqlite).</source>
        <translation>Neįdiegta Qt SQLite tvarkyklė (paketas libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>The file or its folder may not be written.</source>
        <translation>Nėra teisės rašyti į failą ar jo aplanką.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Tai nėra įprastas failas.</translation>
    </message>
    <message>
        <source>The file is damaged or is no settings history. Move it elsewhere (Tarvex leaves it as it is) and start Tarvex again to begin a new history.</source>
        <translation>Failas sugadintas arba tai nėra nustatymų istorija. Perkelkite jį kitur (Tarvex jo nekeičia) ir vėl paleiskite Tarvex, kad pradėtumėte naują istoriją.</translation>
    </message>
    <message>
        <source>Another program holds it.</source>
        <translation>Jį naudoja kita programa.</translation>
    </message>
    <message>
        <source>A newer Tarvex wrote it.</source>
        <translation>Jį įrašė naujesnė Tarvex versija.</translation>
    </message>
    <message>
        <source>It could not be read or written.</source>
        <translation>Jo nepavyko nuskaityti ar įrašyti.</translation>
    </message>
    <message>
        <source>The settings history cannot be kept: what is sent to the controller from now on is not kept in it and cannot be undone. Everything else works as usual.</source>
        <translation>Nustatymų istorijos vesti negalima: tai, kas nuo šiol siunčiama į valdiklį, joje neišsaugoma ir negali būti atšaukta. Visa kita veikia kaip įprasta.</translation>
    </message>
    <message>
        <source>Snapshot %1 (%2, %3)</source>
        <translation>Kopija %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Kopija</translation>
    </message>
    <message>
        <source>Restore this setting</source>
        <translation>Atkurti šį nustatymą</translation>
    </message>
    <message>
        <source>Attach</source>
        <translation>Priskirti</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Padaryti kopiją</translation>
    </message>
    <message>
        <source>Show beside the controller...</source>
        <translation>Palyginti su valdikliu...</translation>
    </message>
    <message>
        <source>registration, VIN or customer</source>
        <translation>valstybinis numeris, VIN arba klientas</translation>
    </message>
    <message>
        <source>Vehicle of this visit:</source>
        <translation>Šio apsilankymo automobilis:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Rodyti:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Pastaba:</translation>
    </message>
    <message>
        <source>All vehicles</source>
        <translation>Visi automobiliai</translation>
    </message>
    <message>
        <source>No snapshot was taken.</source>
        <translation>Kopija nepadaryta.</translation>
    </message>
    <message>
        <source>Snapshot restored</source>
        <translation>Atkurta kopija</translation>
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
<context>
    <name>Report</name>
    <message>
        <source>unknown</source>
        <translation>nėra duomenų</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Patikra</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Gedimas</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neįvertinta</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>neįrašyta</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Trukmė</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Valdiklis</translation>
    </message>
    <message>
        <source>generation %1, version %2</source>
        <translation>karta %1, versija %2</translation>
    </message>
    <message>
        <source>On gas</source>
        <translation>Veikimas dujomis</translation>
    </message>
    <message>
        <source>On petrol</source>
        <translation>Veikimas benzinu</translation>
    </message>
    <message>
        <source>Warm-up to gas</source>
        <translation>Įšilimas iki perjungimo į dujas</translation>
    </message>
    <message>
        <source>no switch-over</source>
        <translation>perjungimo nebuvo</translation>
    </message>
    <message>
        <source> (the first at %1: reducer %2 °C, %3 rpm)</source>
        <translation> (pirmasis po %1: reduktorius %2 °C, %3 aps./min)</translation>
    </message>
    <message>
        <source>Switch-overs to gas</source>
        <translation>Perjungimai į dujas</translation>
    </message>
    <message>
        <source>Switch-backs to petrol</source>
        <translation>Grįžimai į benziną</translation>
    </message>
    <message>
        <source>Fuel cut-offs</source>
        <translation>Kuro tiekimo nutraukimai</translation>
    </message>
    <message>
        <source>Link losses</source>
        <translation>Ryšio nutrūkimai</translation>
    </message>
    <message>
        <source>Learning runs</source>
        <translation>Mokymosi ciklai</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Automobilis</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Valstybinis numeris</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klientas</translation>
    </message>
    <message>
        <source>Fitter</source>
        <translation>Meistras</translation>
    </message>
    <message>
        <source>switching %1 on gas, %2 on petrol; rich %3 of the steady time on gas; %4 to %5</source>
        <translation>perjungimai %1 dujomis, %2 benzinu; riebus mišinys %3 tolygaus važiavimo dujomis laiko; nuo %4 iki %5</translation>
    </message>
    <message>
        <source>hunting %1; at a travel limit %2 of the time on gas</source>
        <translation>svyravimai %1; ties eigos riba %2 veikimo dujomis laiko</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>žingsnio</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Išvada</translation>
    </message>
    <message>
        <source>What the drive shows</source>
        <translation>Ką parodė važiavimas</translation>
    </message>
    <message>
        <source>Lambda sensor</source>
        <translation>Lambda zondas</translation>
    </message>
    <message>
        <source>Gas actuator</source>
        <translation>Dujų žingsninis variklis</translation>
    </message>
    <message>
        <source>OK: within the limits. Check: worth a look at the next service. Fail: needs repair. Unknown: too little steady driving in the recording to judge.</source>
        <translation>Gerai: neviršija ribų. Patikra: verta patikrinti per kitą techninę priežiūrą. Gedimas: reikia remonto. Neįvertinta: įraše per mažai tolygaus važiavimo, kad būtų galima įvertinti.</translation>
    </message>
    <message>
        <source>The recording holds no settings read from the controller.</source>
        <translation>Įraše nėra iš valdiklio nuskaitytų nustatymų.</translation>
    </message>
    <message>
        <source>The settings changed during the drive; shown as at its end.</source>
        <translation>Nustatymai keitėsi važiavimo metu; parodyti tokie, kokie buvo pabaigoje.</translation>
    </message>
    <message>
        <source>Settings the recording did not read are left out.</source>
        <translation>Įraše nenuskaityti nustatymai praleisti.</translation>
    </message>
    <message>
        <source>Engine speed (rpm)</source>
        <translation>Variklio apsukos (aps./min)</translation>
    </message>
    <message>
        <source>Lambda voltage (V)</source>
        <translation>Lambda zondo įtampa (V)</translation>
    </message>
    <message>
        <source>Actuator (steps)</source>
        <translation>Žingsninis variklis (žingsniai)</translation>
    </message>
    <message>
        <source>Reducer temperature (°C)</source>
        <translation>Reduktoriaus temperatūra (°C)</translation>
    </message>
    <message>
        <source>Green ground: running on gas; grey: no readings. The orange line is the lambda switching point. Each chart keeps the lowest and highest value of every moment.</source>
        <translation>Žalias fonas: veikimas dujomis; pilkas: nėra rodmenų. Oranžinė linija – lambda zondo perjungimo taškas. Kiekviename grafike išlaikoma mažiausia ir didžiausia kiekvienos akimirkos reikšmė.</translation>
    </message>
    <message>
        <source>Drive report</source>
        <translation>Važiavimo ataskaita</translation>
    </message>
    <message>
        <source>LPG installation checked from a recorded drive</source>
        <translation>Dujų įrangos patikra pagal įrašytą važiavimą</translation>
    </message>
    <message>
        <source>The drive</source>
        <translation>Važiavimas</translation>
    </message>
    <message>
        <source>Vehicle and customer</source>
        <translation>Automobilis ir klientas</translation>
    </message>
    <message>
        <source>The recording was read only in part: %1</source>
        <translation>Įrašas nuskaitytas tik iš dalies: %1</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Patikros rezultatai</translation>
    </message>
    <message>
        <source>Charts of the drive</source>
        <translation>Važiavimo grafikai</translation>
    </message>
    <message>
        <source>Settings in force</source>
        <translation>Galiojantys nustatymai</translation>
    </message>
    <message>
        <source>Signature of the fitter: ..............................</source>
        <translation>Meistro parašas: ..............................</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Review recordings...</source>
        <translation>Peržiūrėti įrašus...</translation>
    </message>
    <message>
        <source>Add marker here...</source>
        <translation>Pridėti žymę čia...</translation>
    </message>
    <message>
        <source>Remove the marker here</source>
        <translation>Pašalinti žymę šioje vietoje</translation>
    </message>
    <message>
        <source>Place cursor A here</source>
        <translation>Padėti žymeklį A čia</translation>
    </message>
    <message>
        <source>Place cursor B here</source>
        <translation>Padėti žymeklį B čia</translation>
    </message>
    <message>
        <source>Review recordings</source>
        <translation>Įrašų peržiūra</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Peržiūra</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Atidaryti...</translation>
    </message>
    <message>
        <source>Open a recording</source>
        <translation>Atidaryti įrašą</translation>
    </message>
    <message>
        <source>Overlay...</source>
        <translation>Uždėti...</translation>
    </message>
    <message>
        <source>Lay a second recording over this one</source>
        <translation>Uždėti ant šio įrašo antrą įrašą</translation>
    </message>
    <message>
        <source>Fit all</source>
        <translation>Visas įrašas</translation>
    </message>
    <message>
        <source>Show the whole recording</source>
        <translation>Rodyti visą įrašą</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Priartinti</translation>
    </message>
    <message>
        <source>Zoom in around the middle</source>
        <translation>Priartinti apie vidurį</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Atitolinti</translation>
    </message>
    <message>
        <source>Zoom out around the middle</source>
        <translation>Atitolinti apie vidurį</translation>
    </message>
    <message>
        <source>Add marker</source>
        <translation>Pridėti žymę</translation>
    </message>
    <message>
        <source>Add a marker with a note at cursor A</source>
        <translation>Pridėti žymę su pastaba ties žymekliu A</translation>
    </message>
    <message>
        <source>Remove overlay</source>
        <translation>Pašalinti perdangą</translation>
    </message>
    <message>
        <source>Remove the overlaid recording</source>
        <translation>Pašalinti uždėtą įrašą</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Uždaryti</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Uždaryti langą</translation>
    </message>
    <message>
        <source>at A</source>
        <translation>žymeklis A</translation>
    </message>
    <message>
        <source>at B</source>
        <translation>žymeklis B</translation>
    </message>
    <message>
        <source>min A-B</source>
        <translation>min. A-B</translation>
    </message>
    <message>
        <source>max A-B</source>
        <translation>maks. A-B</translation>
    </message>
    <message>
        <source>mean A-B</source>
        <translation>vidurkis A-B</translation>
    </message>
    <message>
        <source>The recording cannot be opened.</source>
        <translation>Įrašo nepavyko atidaryti.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Nuskaitomas %1...</translation>
    </message>
    <message>
        <source>Only part of the recording could be read.</source>
        <translation>Pavyko nuskaityti tik dalį įrašo.</translation>
    </message>
    <message>
        <source>The markers beside the recording cannot be read.</source>
        <translation>Nepavyko nuskaityti šalia įrašo saugomų žymių.</translation>
    </message>
    <message>
        <source>The first switch-over to gas</source>
        <translation>Pirmasis perjungimas į dujas</translation>
    </message>
    <message>
        <source>The marker &quot;%1&quot;</source>
        <translation>Žymė „%1“</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Perdanga</translation>
    </message>
    <message>
        <source>Align the recordings on:</source>
        <translation>Sulygiuoti įrašus pagal:</translation>
    </message>
    <message>
        <source>One of the recordings never switches over to gas, so they are laid over from their first rows.</source>
        <translation>Viename iš įrašų nėra perjungimo į dujas, todėl įrašai uždėti nuo pirmųjų eilučių.</translation>
    </message>
    <message>
        <source>%1 - Review recordings</source>
        <translation>%1 - Įrašų peržiūra</translation>
    </message>
    <message>
        <source>A to B %1 s</source>
        <translation>nuo A iki B %1 s</translation>
    </message>
    <message>
        <source>Click to place cursor A, shift-click or the right button for B (keys A and B place them at the middle).</source>
        <translation>Spustelėjimas padeda žymeklį A, Shift+spustelėjimas arba dešinysis mygtukas – žymeklį B (klavišai A ir B padeda juos per vidurį).</translation>
    </message>
    <message>
        <source>A %1</source>
        <translation>A %1</translation>
    </message>
    <message>
        <source>B %1</source>
        <translation>B %1</translation>
    </message>
    <message>
        <source>B - A %1 s</source>
        <translation>B - A %1 s</translation>
    </message>
    <message>
        <source>Note for the marker at %1:</source>
        <translation>Pastaba žymei ties %1:</translation>
    </message>
    <message>
        <source>The markers cannot be saved.</source>
        <translation>Žymių nepavyko išsaugoti.</translation>
    </message>
    <message>
        <source>to gas</source>
        <translation>į dujas</translation>
    </message>
    <message>
        <source>to petrol</source>
        <translation>į benziną</translation>
    </message>
    <message>
        <source>cut-off</source>
        <translation>nutraukimas</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>ryšys nutrūko</translation>
    </message>
    <message>
        <source>link back</source>
        <translation>ryšys atkurtas</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>mokymas</translation>
    </message>
    <message>
        <source>learning ended</source>
        <translation>mokymo pabaiga</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <translation>Variklio apsukos</translation>
    </message>
    <message>
        <source>Lambda</source>
        <translation>Lambda</translation>
    </message>
    <message>
        <source>TPS</source>
        <translation>TPS</translation>
    </message>
    <message>
        <source>Actuator</source>
        <translation>Žingsninis variklis</translation>
    </message>
    <message>
        <source>Start position</source>
        <translation>Pradinė padėtis</translation>
    </message>
    <message>
        <source>Reducer temperature</source>
        <translation>Reduktoriaus temperatūra</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>aps./min</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>žingsniai</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Open a recording with Ctrl+O.</source>
        <translation>Atidarykite įrašą klavišais Ctrl+O.</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Kuras</translation>
    </message>
    <message>
        <source>LPG off</source>
        <translation>Dujos išj.</translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation>Nutrauk.</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Mokymas</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Ryšys</translation>
    </message>
    <message>
        <source>Overlay: %1</source>
        <translation>Uždėta: %1</translation>
    </message>
    <message>
        <source>Report for the customer</source>
        <translation>Ataskaita klientui</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Išsaugoti ataskaitą...</translation>
    </message>
    <message>
        <source>Save the customer&apos;s report of this recording</source>
        <translation>Išsaugoti šio įrašo ataskaitą klientui</translation>
    </message>
    <message>
        <source>The report cannot be saved.</source>
        <translation>Ataskaitos nepavyko išsaugoti.</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Ataskaita išsaugota: %1</translation>
    </message>
</context>
</TS>
