<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Compare</name>
    <message>
        <source>(not in the list)</source>
        <translation>(non in elenco)</translation>
    </message>
    <message>
        <source>%1: bits no control sets</source>
        <translation>%1: bit non impostati dal programma</translation>
    </message>
    <message>
        <source>Differences only</source>
        <translation>Solo differenze</translation>
    </message>
    <message>
        <source>%1 of %2 rows differ.</source>
        <translation>Righe diverse: %1 su %2.</translation>
    </message>
    <message>
        <source>The controller does not answer: its values cannot be shown and the file cannot be sent.</source>
        <translation>La centralina non risponde: impossibile mostrarne i valori e inviare il file.</translation>
    </message>
    <message>
        <source>The controller is not of generation 2: its settings cannot be read and the file cannot be sent.</source>
        <translation>La centralina non è di generazione 2: impossibile leggerne le impostazioni e inviare il file.</translation>
    </message>
    <message>
        <source>The controller&apos;s settings could not be read: its values cannot be shown and the file cannot be sent.</source>
        <translation>Le impostazioni della centralina non sono state lette: impossibile mostrarne i valori e inviare il file.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Nothing to save</source>
        <translation>Niente da salvare</translation>
    </message>
    <message>
        <source>The controller&apos;s settings have not been read since it last answered: there is nothing of the car to save. Nothing was written.</source>
        <translation>Dall&apos;ultima risposta della centralina le impostazioni non sono state lette: non c&apos;è nulla dell&apos;auto da salvare. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Not acknowledged: %1.</source>
        <translation>Non confermato: %1.</translation>
    </message>
    <message>
        <source>The controller does not hold: %1.</source>
        <translation>La centralina non ha mantenuto: %1.</translation>
    </message>
    <message>
        <source>The settings could not be read back from the controller: nothing confirms that it holds them.</source>
        <translation>Impossibile rileggere le impostazioni dalla centralina: nulla conferma che le abbia mantenute.</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Recording ended</source>
        <translation>Registrazione terminata</translation>
    </message>
    <message>
        <source>The recording has ended.</source>
        <translatorcomment>Drawn on the dashboard in windows-1250, which lacks à è ì ò ù: worded without them.</translatorcomment>
        <translation>Registrazione terminata.</translation>
    </message>
    <message>
        <source>A recording is playing in place of the controller: nothing is sent to the controller.

Choose &quot;%1&quot; in the File menu again to return to the controller.</source>
        <translation>Al posto della centralina è in riproduzione una registrazione: alla centralina non viene inviato nulla.

Per tornare alla centralina scegliere di nuovo «%1» nel menu File.</translation>
    </message>
</context>
<context>
    <name>Port</name>
    <message>
        <source>(no serial devices found)</source>
        <translation>(nessun dispositivo seriale trovato)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>%1 could not be read, so COM 1 to COM 4 stand for /dev/ttyS0 to /dev/ttyS3.</source>
        <translation>Impossibile leggere %1: le porte da COM 1 a COM 4 corrispondono a /dev/ttyS0 - /dev/ttyS3.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>dispositivo assente</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>held by another program</source>
        <translation>occupato da un altro programma</translation>
    </message>
    <message>
        <source>not a terminal</source>
        <translation>non è una porta seriale</translation>
    </message>
    <message>
        <source>cannot open (%1)</source>
        <translation>impossibile aprire (%1)</translation>
    </message>
    <message>
        <source>Find controller</source>
        <translation>Trova centralina</translation>
    </message>
    <message>
        <source>COM %1 stands for %2 until Tarvex ends, but %3 could not be written, so this is not kept.</source>
        <translation>COM %1 corrisponde a %2 fino alla chiusura di Tarvex, ma non è stato possibile scrivere %3, quindi la scelta non viene conservata.</translation>
    </message>
    <message>
        <source>The controller answered on %1.

COM %2 now stands for it.</source>
        <translation>La centralina ha risposto su %1.

Ora COM %2 corrisponde a questo dispositivo.</translation>
    </message>
    <message>
        <source>No serial devices found. Check that the lead is plugged in.</source>
        <translation>Nessun dispositivo seriale trovato. Controllare che il cavo sia collegato.</translation>
    </message>
    <message>
        <source>No controller answered on the serial devices present. Check the lead and that the ignition is on.</source>
        <translation>Nessuna centralina ha risposto sui dispositivi seriali presenti. Controllare il cavo e che l&apos;accensione sia inserita.</translation>
    </message>
    <message>
        <source>Not tried, in use by another program: %1</source>
        <translation>Non provati, in uso da un altro programma: %1</translation>
    </message>
</context>
</TS>
