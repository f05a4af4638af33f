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
    <name>History</name>
    <message>
        <source>Undo last change</source>
        <translation>Annulla l&apos;ultima modifica</translation>
    </message>
    <message>
        <source>Settings history...</source>
        <translation>Cronologia delle impostazioni...</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Annullato: %1.</translation>
    </message>
    <message>
        <source>Not known before the change, left as they are: %1.</source>
        <translation>Valori precedenti alla modifica non noti, lasciati invariati: %1.</translation>
    </message>
    <message>
        <source>%1: sent %2, shows %3 now</source>
        <translation>%1: inviato %2, ora mostra %3</translation>
    </message>
    <message>
        <source>The controller no longer shows what %1 sent:

%2

Send the values from before it all the same?</source>
        <translation>La centralina non mostra più quanto inviato da %1:

%2

Inviare comunque i valori precedenti?</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>There is no change left to undo.</source>
        <translation>Non ci sono altre modifiche da annullare.</translation>
    </message>
    <message>
        <source>The last change is a factory reset, and no snapshot of the settings was taken before it: what the controller held is not known, so it cannot be undone.</source>
        <translation>L&apos;ultima modifica è un ripristino delle impostazioni di fabbrica e prima non è stata salvata un&apos;istantanea delle impostazioni: non si sa cosa contenesse la centralina, quindi non può essere annullata.</translation>
    </message>
    <message>
        <source>The values from before the last change (%1) are not known: they had not been read from the controller. Nothing was sent; restore a snapshot from the settings history instead.</source>
        <translation>I valori precedenti all&apos;ultima modifica (%1) non sono noti: non erano stati letti dalla centralina. Non è stato inviato nulla; ripristinare invece un&apos;istantanea dalla cronologia delle impostazioni.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Impostazione</translation>
    </message>
    <message>
        <source>Before, sent</source>
        <translation>Prima, inviato</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Veicolo</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Snapshot: %1</source>
        <translation>Istantanea: %1</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>Stato all&apos;arrivo</translation>
    </message>
    <message>
        <source>Before a settings file</source>
        <translation>Prima dell&apos;invio di un file di impostazioni</translation>
    </message>
    <message>
        <source>Before a factory reset</source>
        <translation>Prima del ripristino delle impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>Before an undo</source>
        <translation>Prima di un annullamento</translation>
    </message>
    <message>
        <source>Before a restore</source>
        <translation>Prima del ripristino di un&apos;istantanea</translation>
    </message>
    <message>
        <source>By hand</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Other write</source>
        <translation>Altra scrittura</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Scelta da elenco</translation>
    </message>
    <message>
        <source>Emulation corrections</source>
        <translation>Correzioni dell&apos;emulazione</translation>
    </message>
    <message>
        <source>Settings file sent</source>
        <translation>File di impostazioni inviato</translation>
    </message>
    <message>
        <source>Comparison sent</source>
        <translation>Inviato dal confronto</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Ripristino delle impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>Learning run</source>
        <translation>Autoapprendimento</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annullamento</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>tarvex-cli write</source>
        <translation>tarvex-cli write</translation>
    </message>
    <message>
        <source>Sent, no answer kept</source>
        <translation>Inviato, nessuna risposta registrata</translation>
    </message>
    <message>
        <source>Acknowledged</source>
        <translation>Confermato</translation>
    </message>
    <message>
        <source>Not acknowledged</source>
        <translation>Non confermato</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Verificato in lettura</translation>
    </message>
    <message>
        <source>Not held: shows %1</source>
        <translation>Non mantenuto: mostra %1</translation>
    </message>
    <message>
        <source>The controller does not answer.</source>
        <translation>La centralina non risponde.</translation>
    </message>
    <message>
        <source>The controller is not of generation 2.</source>
        <translation>La centralina non è di seconda generazione.</translation>
    </message>
    <message>
        <source>The controller&apos;s settings could not be read.</source>
        <translation>Non è stato possibile leggere le impostazioni della centralina.</translation>
    </message>
    <message>
        <source>Settings history</source>
        <translation>Cronologia delle impostazioni</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (package libqt6sql6-sqlite).</source>
        <translation>Il driver SQLite di Qt non è installato (pacchetto libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>The file or its folder may not be written.</source>
        <translation>Il file o la sua cartella non sono scrivibili.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
    <message>
        <source>The file is damaged or is no settings history. Move it elsewhere (Tarvex leaves it as it is) and start Tarvex again to begin a new history.</source>
        <translation>Il file è danneggiato o non è una cronologia delle impostazioni. Spostarlo altrove (Tarvex lo lascia com&apos;è) e riavviare Tarvex per iniziare una nuova cronologia.</translation>
    </message>
    <message>
        <source>Another program holds it.</source>
        <translation>È in uso da un altro programma.</translation>
    </message>
    <message>
        <source>A newer Tarvex wrote it.</source>
        <translation>È stato scritto da una versione più recente di Tarvex.</translation>
    </message>
    <message>
        <source>It could not be read or written.</source>
        <translation>Non è stato possibile leggerlo o scriverlo.</translation>
    </message>
    <message>
        <source>The settings history cannot be kept: what is sent to the controller from now on is not kept in it and cannot be undone. Everything else works as usual.</source>
        <translation>Impossibile tenere la cronologia delle impostazioni: quanto inviato d&apos;ora in poi alla centralina non vi viene registrato e non può essere annullato. Tutto il resto funziona normalmente.</translation>
    </message>
    <message>
        <source>Snapshot %1 (%2, %3)</source>
        <translation>Istantanea %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Istantanea</translation>
    </message>
    <message>
        <source>Restore this setting</source>
        <translation>Ripristina questa impostazione</translation>
    </message>
    <message>
        <source>Attach</source>
        <translation>Assegna</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Salva istantanea</translation>
    </message>
    <message>
        <source>Show beside the controller...</source>
        <translation>Confronta con la centralina...</translation>
    </message>
    <message>
        <source>registration, VIN or customer</source>
        <translation>targa, VIN o cliente</translation>
    </message>
    <message>
        <source>Vehicle of this visit:</source>
        <translation>Veicolo di questa visita:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostra:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>All vehicles</source>
        <translation>Tutti i veicoli</translation>
    </message>
    <message>
        <source>No snapshot was taken.</source>
        <translation>Nessuna istantanea salvata.</translation>
    </message>
    <message>
        <source>Snapshot restored</source>
        <translation>Istantanea ripristinata</translation>
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
<context>
    <name>Report</name>
    <message>
        <source>unknown</source>
        <translation>n.d.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Guasto</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Non valutabile</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>non registrato</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Centralina</translation>
    </message>
    <message>
        <source>generation %1, version %2</source>
        <translation>generazione %1, versione %2</translation>
    </message>
    <message>
        <source>On gas</source>
        <translation>Funzionamento a GPL</translation>
    </message>
    <message>
        <source>On petrol</source>
        <translation>Funzionamento a benzina</translation>
    </message>
    <message>
        <source>Warm-up to gas</source>
        <translation>Attesa commutazione a GPL</translation>
    </message>
    <message>
        <source>no switch-over</source>
        <translation>nessuna commutazione</translation>
    </message>
    <message>
        <source> (the first at %1: reducer %2 °C, %3 rpm)</source>
        <translation> (la prima dopo %1: riduttore %2 °C, %3 giri/min)</translation>
    </message>
    <message>
        <source>Switch-overs to gas</source>
        <translation>Commutazioni a GPL</translation>
    </message>
    <message>
        <source>Switch-backs to petrol</source>
        <translation>Ritorni a benzina</translation>
    </message>
    <message>
        <source>Fuel cut-offs</source>
        <translation>Tagli carburante</translation>
    </message>
    <message>
        <source>Link losses</source>
        <translation>Perdite di connessione</translation>
    </message>
    <message>
        <source>Learning runs</source>
        <translation>Cicli di autoapprendimento</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Veicolo</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Targa</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Fitter</source>
        <translation>Tecnico</translation>
    </message>
    <message>
        <source>switching %1 on gas, %2 on petrol; rich %3 of the steady time on gas; %4 to %5</source>
        <translation>commutazione %1 a GPL, %2 a benzina; miscela grassa per il %3 del tempo di marcia stabile a GPL; da %4 a %5</translation>
    </message>
    <message>
        <source>hunting %1; at a travel limit %2 of the time on gas</source>
        <translation>oscillazione %1; a fine corsa per il %2 del tempo a GPL</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>passi</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>What the drive shows</source>
        <translation>Rilevato durante la guida</translation>
    </message>
    <message>
        <source>Lambda sensor</source>
        <translation>Sonda lambda</translation>
    </message>
    <message>
        <source>Gas actuator</source>
        <translation>Motore passo-passo GPL</translation>
    </message>
    <message>
        <source>OK: within the limits. Check: worth a look at the next service. Fail: needs repair. Unknown: too little steady driving in the recording to judge.</source>
        <translation>OK: entro i limiti. Verifica: da controllare al prossimo tagliando. Guasto: da riparare. Non valutabile: nella registrazione c&apos;è troppa poca marcia stabile per giudicare.</translation>
    </message>
    <message>
        <source>The recording holds no settings read from the controller.</source>
        <translation>La registrazione non contiene impostazioni lette dalla centralina.</translation>
    </message>
    <message>
        <source>The settings changed during the drive; shown as at its end.</source>
        <translation>Le impostazioni sono cambiate durante la guida; sono mostrate come alla fine.</translation>
    </message>
    <message>
        <source>Settings the recording did not read are left out.</source>
        <translation>Le impostazioni non lette nella registrazione sono omesse.</translation>
    </message>
    <message>
        <source>Engine speed (rpm)</source>
        <translation>Giri motore (giri/min)</translation>
    </message>
    <message>
        <source>Lambda voltage (V)</source>
        <translation>Tensione sonda lambda (V)</translation>
    </message>
    <message>
        <source>Actuator (steps)</source>
        <translation>Motore passo-passo (passi)</translation>
    </message>
    <message>
        <source>Reducer temperature (°C)</source>
        <translation>Temperatura riduttore (°C)</translation>
    </message>
    <message>
        <source>Green ground: running on gas; grey: no readings. The orange line is the lambda switching point. Each chart keeps the lowest and highest value of every moment.</source>
        <translation>Sfondo verde: funzionamento a GPL; grigio: nessuna lettura. La linea arancione è il punto di commutazione della sonda lambda. Ogni grafico conserva il valore minimo e massimo di ogni istante.</translation>
    </message>
    <message>
        <source>Drive report</source>
        <translation>Rapporto di guida</translation>
    </message>
    <message>
        <source>LPG installation checked from a recorded drive</source>
        <translation>Verifica dell&apos;impianto GPL da una guida registrata</translation>
    </message>
    <message>
        <source>The drive</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Vehicle and customer</source>
        <translation>Veicolo e cliente</translation>
    </message>
    <message>
        <source>The recording was read only in part: %1</source>
        <translation>La registrazione è stata letta solo in parte: %1</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Charts of the drive</source>
        <translation>Grafici della guida</translation>
    </message>
    <message>
        <source>Settings in force</source>
        <translation>Impostazioni in uso</translation>
    </message>
    <message>
        <source>Signature of the fitter: ..............................</source>
        <translation>Firma del tecnico: ..............................</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Review recordings...</source>
        <translation>Analizza registrazioni...</translation>
    </message>
    <message>
        <source>Add marker here...</source>
        <translation>Aggiungi qui un marcatore...</translation>
    </message>
    <message>
        <source>Remove the marker here</source>
        <translation>Rimuovi il marcatore in questo punto</translation>
    </message>
    <message>
        <source>Place cursor A here</source>
        <translation>Posiziona qui il cursore A</translation>
    </message>
    <message>
        <source>Place cursor B here</source>
        <translation>Posiziona qui il cursore B</translation>
    </message>
    <message>
        <source>Review recordings</source>
        <translation>Analisi registrazioni</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analisi</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Apri...</translation>
    </message>
    <message>
        <source>Open a recording</source>
        <translation>Apri una registrazione</translation>
    </message>
    <message>
        <source>Overlay...</source>
        <translation>Sovrapponi...</translation>
    </message>
    <message>
        <source>Lay a second recording over this one</source>
        <translation>Sovrapponi una seconda registrazione a questa</translation>
    </message>
    <message>
        <source>Fit all</source>
        <translation>Mostra tutto</translation>
    </message>
    <message>
        <source>Show the whole recording</source>
        <translation>Mostra l&apos;intera registrazione</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom in around the middle</source>
        <translation>Ingrandisci attorno al centro</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zoom out around the middle</source>
        <translation>Riduci attorno al centro</translation>
    </message>
    <message>
        <source>Add marker</source>
        <translation>Aggiungi marcatore</translation>
    </message>
    <message>
        <source>Add a marker with a note at cursor A</source>
        <translation>Aggiungi un marcatore con una nota al cursore A</translation>
    </message>
    <message>
        <source>Remove overlay</source>
        <translation>Rimuovi sovrapposizione</translation>
    </message>
    <message>
        <source>Remove the overlaid recording</source>
        <translation>Rimuovi la registrazione sovrapposta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Chiudi la finestra</translation>
    </message>
    <message>
        <source>at A</source>
        <translation>cursore A</translation>
    </message>
    <message>
        <source>at B</source>
        <translation>cursore B</translation>
    </message>
    <message>
        <source>min A-B</source>
        <translation>min A-B</translation>
    </message>
    <message>
        <source>max A-B</source>
        <translation>max A-B</translation>
    </message>
    <message>
        <source>mean A-B</source>
        <translation>media A-B</translation>
    </message>
    <message>
        <source>The recording cannot be opened.</source>
        <translation>Impossibile aprire la registrazione.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lettura di %1...</translation>
    </message>
    <message>
        <source>Only part of the recording could be read.</source>
        <translation>È stato possibile leggere solo una parte della registrazione.</translation>
    </message>
    <message>
        <source>The markers beside the recording cannot be read.</source>
        <translation>Impossibile leggere i marcatori salvati accanto alla registrazione.</translation>
    </message>
    <message>
        <source>The first switch-over to gas</source>
        <translation>La prima commutazione a GPL</translation>
    </message>
    <message>
        <source>The marker &quot;%1&quot;</source>
        <translation>Il marcatore «%1»</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Sovrapposizione</translation>
    </message>
    <message>
        <source>Align the recordings on:</source>
        <translation>Allinea le registrazioni su:</translation>
    </message>
    <message>
        <source>One of the recordings never switches over to gas, so they are laid over from their first rows.</source>
        <translation>Una delle registrazioni non commuta mai a GPL, quindi sono sovrapposte a partire dalle prime righe.</translation>
    </message>
    <message>
        <source>%1 - Review recordings</source>
        <translation>%1 - Analisi registrazioni</translation>
    </message>
    <message>
        <source>A to B %1 s</source>
        <translation>da A a B %1 s</translation>
    </message>
    <message>
        <source>Click to place cursor A, shift-click or the right button for B (keys A and B place them at the middle).</source>
        <translation>Clic per posizionare il cursore A, Maiusc+clic o tasto destro per il B (i tasti A e B li posizionano al centro).</translation>
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
        <translation>Nota per il marcatore a %1:</translation>
    </message>
    <message>
        <source>The markers cannot be saved.</source>
        <translation>Impossibile salvare i marcatori.</translation>
    </message>
    <message>
        <source>to gas</source>
        <translation>a GPL</translation>
    </message>
    <message>
        <source>to petrol</source>
        <translation>a benzina</translation>
    </message>
    <message>
        <source>cut-off</source>
        <translation>taglio</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>connessione persa</translation>
    </message>
    <message>
        <source>link back</source>
        <translation>connessione ripresa</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>autoapprendimento</translation>
    </message>
    <message>
        <source>learning ended</source>
        <translation>fine autoapprendimento</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <translation>Giri motore</translation>
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
        <translation>Motore passo-passo</translation>
    </message>
    <message>
        <source>Start position</source>
        <translation>Posizione iniziale</translation>
    </message>
    <message>
        <source>Reducer temperature</source>
        <translation>Temperatura riduttore</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>giri/min</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>passi</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Open a recording with Ctrl+O.</source>
        <translation>Aprire una registrazione con Ctrl+O.</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Carbur.</translation>
    </message>
    <message>
        <source>LPG off</source>
        <translation>GPL off</translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation>Taglio</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Autoappr.</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Conness.</translation>
    </message>
    <message>
        <source>Overlay: %1</source>
        <translation>Sovrapposta: %1</translation>
    </message>
    <message>
        <source>Report for the customer</source>
        <translation>Rapporto per il cliente</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Salva rapporto...</translation>
    </message>
    <message>
        <source>Save the customer&apos;s report of this recording</source>
        <translation>Salva il rapporto per il cliente di questa registrazione</translation>
    </message>
    <message>
        <source>The report cannot be saved.</source>
        <translation>Impossibile salvare il rapporto.</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Rapporto salvato: %1</translation>
    </message>
</context>
</TS>
