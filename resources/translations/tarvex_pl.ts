<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Compare</name>
    <message>
        <source>(not in the list)</source>
        <translation>(spoza listy)</translation>
    </message>
    <message>
        <source>%1: bits no control sets</source>
        <translation>%1: bity nieustawiane w programie</translation>
    </message>
    <message>
        <source>Differences only</source>
        <translation>Tylko różnice</translation>
    </message>
    <message>
        <source>%1 of %2 rows differ.</source>
        <translation>Wiersze z różnicami: %1 z %2.</translation>
    </message>
    <message>
        <source>The controller does not answer: its values cannot be shown and the file cannot be sent.</source>
        <translation>Sterownik nie odpowiada: nie można pokazać jego wartości ani wysłać pliku.</translation>
    </message>
    <message>
        <source>The controller is not of generation 2: its settings cannot be read and the file cannot be sent.</source>
        <translation>Sterownik nie jest 2. generacji: nie można odczytać jego ustawień ani wysłać pliku.</translation>
    </message>
    <message>
        <source>The controller&apos;s settings could not be read: its values cannot be shown and the file cannot be sent.</source>
        <translation>Nie udało się odczytać ustawień sterownika: nie można pokazać jego wartości ani wysłać pliku.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Nothing to save</source>
        <translation>Nic do zapisania</translation>
    </message>
    <message>
        <source>The controller&apos;s settings have not been read since it last answered: there is nothing of the car to save. Nothing was written.</source>
        <translation>Od ostatniej odpowiedzi sterownika nie odczytano jego ustawień: nie ma czego zapisać z samochodu. Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Not acknowledged: %1.</source>
        <translation>Niepotwierdzone: %1.</translation>
    </message>
    <message>
        <source>The controller does not hold: %1.</source>
        <translation>Sterownik nie zachował: %1.</translation>
    </message>
    <message>
        <source>The settings could not be read back from the controller: nothing confirms that it holds them.</source>
        <translation>Nie udało się ponownie odczytać ustawień ze sterownika: nic nie potwierdza, że je zachował.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Undo last change</source>
        <translation>Cofnij ostatnią zmianę</translation>
    </message>
    <message>
        <source>Settings history...</source>
        <translation>Historia ustawień...</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Cofnięto: %1.</translation>
    </message>
    <message>
        <source>Not known before the change, left as they are: %1.</source>
        <translation>Nieznane sprzed zmiany, pozostawione bez zmian: %1.</translation>
    </message>
    <message>
        <source>%1: sent %2, shows %3 now</source>
        <translation>%1: wysłano %2, teraz pokazuje %3</translation>
    </message>
    <message>
        <source>The controller no longer shows what %1 sent:

%2

Send the values from before it all the same?</source>
        <translation>Sterownik nie pokazuje już tego, co wysłano w zmianie %1:

%2

Mimo to wysłać wartości sprzed tej zmiany?</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Nic nie wysłano.</translation>
    </message>
    <message>
        <source>There is no change left to undo.</source>
        <translation>Nie ma już zmian do cofnięcia.</translation>
    </message>
    <message>
        <source>The last change is a factory reset, and no snapshot of the settings was taken before it: what the controller held is not known, so it cannot be undone.</source>
        <translation>Ostatnia zmiana to przywrócenie ustawień fabrycznych, a przed nim nie wykonano zrzutu ustawień: nie wiadomo, co zawierał sterownik, więc nie można jej cofnąć.</translation>
    </message>
    <message>
        <source>The values from before the last change (%1) are not known: they had not been read from the controller. Nothing was sent; restore a snapshot from the settings history instead.</source>
        <translation>Wartości sprzed ostatniej zmiany (%1) nie są znane: nie zostały odczytane ze sterownika. Nic nie wysłano; zamiast tego przywróć zrzut z historii ustawień.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ustawienie</translation>
    </message>
    <message>
        <source>Before, sent</source>
        <translation>Przed, wysłano</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Pojazd</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Snapshot: %1</source>
        <translation>Zrzut: %1</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>Stan przy przyjęciu</translation>
    </message>
    <message>
        <source>Before a settings file</source>
        <translation>Przed wysłaniem pliku ustawień</translation>
    </message>
    <message>
        <source>Before a factory reset</source>
        <translation>Przed przywróceniem ustawień fabrycznych</translation>
    </message>
    <message>
        <source>Before an undo</source>
        <translation>Przed cofnięciem</translation>
    </message>
    <message>
        <source>Before a restore</source>
        <translation>Przed przywróceniem zrzutu</translation>
    </message>
    <message>
        <source>By hand</source>
        <translation>Ręcznie</translation>
    </message>
    <message>
        <source>Other write</source>
        <translation>Inny zapis</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Wybór z listy</translation>
    </message>
    <message>
        <source>Emulation corrections</source>
        <translation>Korekty emulacji</translation>
    </message>
    <message>
        <source>Settings file sent</source>
        <translation>Wysłano plik ustawień</translation>
    </message>
    <message>
        <source>Comparison sent</source>
        <translation>Wysłano z porównania</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Przywrócenie ustawień fabrycznych</translation>
    </message>
    <message>
        <source>Learning run</source>
        <translation>Nauka</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnięcie</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>tarvex-cli write</source>
        <translation>tarvex-cli write</translation>
    </message>
    <message>
        <source>Sent, no answer kept</source>
        <translation>Wysłano, brak zapisanej odpowiedzi</translation>
    </message>
    <message>
        <source>Acknowledged</source>
        <translation>Potwierdzone</translation>
    </message>
    <message>
        <source>Not acknowledged</source>
        <translation>Niepotwierdzone</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Sprawdzone odczytem</translation>
    </message>
    <message>
        <source>Not held: shows %1</source>
        <translation>Nie zachowane: pokazuje %1</translation>
    </message>
    <message>
        <source>The controller does not answer.</source>
        <translation>Sterownik nie odpowiada.</translation>
    </message>
    <message>
        <source>The controller is not of generation 2.</source>
        <translation>Sterownik nie jest 2. generacji.</translation>
    </message>
    <message>
        <source>The controller&apos;s settings could not be read.</source>
        <translation>Nie udało się odczytać ustawień sterownika.</translation>
    </message>
    <message>
        <source>Settings history</source>
        <translation>Historia ustawień</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (package libqt6sql6-sqlite).</source>
        <translation>Brak modułu SQLite dla Qt (pakiet libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>The file or its folder may not be written.</source>
        <translation>Brak prawa zapisu do pliku lub jego folderu.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>To nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>The file is damaged or is no settings history. Move it elsewhere (Tarvex leaves it as it is) and start Tarvex again to begin a new history.</source>
        <translation>Plik jest uszkodzony lub nie jest historią ustawień. Przenieś go w inne miejsce (Tarvex pozostawia go bez zmian) i uruchom Tarvex ponownie, aby rozpocząć nową historię.</translation>
    </message>
    <message>
        <source>Another program holds it.</source>
        <translation>Używa go inny program.</translation>
    </message>
    <message>
        <source>A newer Tarvex wrote it.</source>
        <translation>Zapisała go nowsza wersja Tarvex.</translation>
    </message>
    <message>
        <source>It could not be read or written.</source>
        <translation>Nie udało się go odczytać ani zapisać.</translation>
    </message>
    <message>
        <source>The settings history cannot be kept: what is sent to the controller from now on is not kept in it and cannot be undone. Everything else works as usual.</source>
        <translation>Nie można prowadzić historii ustawień: to, co od teraz zostanie wysłane do sterownika, nie będzie w niej zapisane i nie da się tego cofnąć. Wszystko inne działa normalnie.</translation>
    </message>
    <message>
        <source>Snapshot %1 (%2, %3)</source>
        <translation>Zrzut %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Zrzut</translation>
    </message>
    <message>
        <source>Restore this setting</source>
        <translation>Przywróć to ustawienie</translation>
    </message>
    <message>
        <source>Attach</source>
        <translation>Przypisz</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Wykonaj zrzut</translation>
    </message>
    <message>
        <source>Show beside the controller...</source>
        <translation>Porównaj ze sterownikiem...</translation>
    </message>
    <message>
        <source>registration, VIN or customer</source>
        <translation>nr rejestracyjny, VIN lub klient</translation>
    </message>
    <message>
        <source>Vehicle of this visit:</source>
        <translation>Pojazd tej wizyty:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Pokaż:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Uwaga:</translation>
    </message>
    <message>
        <source>All vehicles</source>
        <translation>Wszystkie pojazdy</translation>
    </message>
    <message>
        <source>No snapshot was taken.</source>
        <translation>Nie wykonano zrzutu.</translation>
    </message>
    <message>
        <source>Snapshot restored</source>
        <translation>Przywrócono zrzut</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Recording ended</source>
        <translation>Nagranie zakończone</translation>
    </message>
    <message>
        <source>The recording has ended.</source>
        <translation>Nagranie zakończone.</translation>
    </message>
    <message>
        <source>A recording is playing in place of the controller: nothing is sent to the controller.

Choose &quot;%1&quot; in the File menu again to return to the controller.</source>
        <translation>Zamiast sterownika odtwarzane jest nagranie: nic nie jest wysyłane do sterownika.

Aby wrócić do sterownika, wybierz ponownie „%1” w menu Plik.</translation>
    </message>
</context>
<context>
    <name>Port</name>
    <message>
        <source>(no serial devices found)</source>
        <translation>(nie znaleziono urządzeń szeregowych)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>%1 could not be read, so COM 1 to COM 4 stand for /dev/ttyS0 to /dev/ttyS3.</source>
        <translation>Nie udało się odczytać pliku %1, więc porty COM 1 do COM 4 to /dev/ttyS0 do /dev/ttyS3.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>brak urządzenia</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>brak uprawnień</translation>
    </message>
    <message>
        <source>held by another program</source>
        <translation>zajęty przez inny program</translation>
    </message>
    <message>
        <source>not a terminal</source>
        <translation>nie jest portem szeregowym</translation>
    </message>
    <message>
        <source>cannot open (%1)</source>
        <translation>nie można otworzyć (%1)</translation>
    </message>
    <message>
        <source>Find controller</source>
        <translation>Znajdź sterownik</translation>
    </message>
    <message>
        <source>COM %1 stands for %2 until Tarvex ends, but %3 could not be written, so this is not kept.</source>
        <translation>COM %1 wskazuje %2 do zamknięcia programu Tarvex, ale nie udało się zapisać pliku %3, więc wybór nie zostanie zachowany.</translation>
    </message>
    <message>
        <source>The controller answered on %1.

COM %2 now stands for it.</source>
        <translation>Sterownik odpowiedział na %1.

COM %2 wskazuje teraz to urządzenie.</translation>
    </message>
    <message>
        <source>No serial devices found. Check that the lead is plugged in.</source>
        <translation>Nie znaleziono urządzeń szeregowych. Sprawdź, czy kabel jest podłączony.</translation>
    </message>
    <message>
        <source>No controller answered on the serial devices present. Check the lead and that the ignition is on.</source>
        <translation>Sterownik nie odpowiedział na żadnym z dostępnych urządzeń szeregowych. Sprawdź kabel i czy zapłon jest włączony.</translation>
    </message>
    <message>
        <source>Not tried, in use by another program: %1</source>
        <translation>Nie sprawdzono, używane przez inny program: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>unknown</source>
        <translation>brak danych</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kontrola</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Usterka</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Brak oceny</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>nie zapisano</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Sterownik</translation>
    </message>
    <message>
        <source>generation %1, version %2</source>
        <translation>generacja %1, wersja %2</translation>
    </message>
    <message>
        <source>On gas</source>
        <translation>Praca na gazie</translation>
    </message>
    <message>
        <source>On petrol</source>
        <translation>Praca na benzynie</translation>
    </message>
    <message>
        <source>Warm-up to gas</source>
        <translation>Do przełączenia na gaz</translation>
    </message>
    <message>
        <source>no switch-over</source>
        <translation>brak przełączenia</translation>
    </message>
    <message>
        <source> (the first at %1: reducer %2 °C, %3 rpm)</source>
        <translation> (pierwsze po %1: reduktor %2 °C, %3 obr/min)</translation>
    </message>
    <message>
        <source>Switch-overs to gas</source>
        <translation>Przełączenia na gaz</translation>
    </message>
    <message>
        <source>Switch-backs to petrol</source>
        <translation>Powroty na benzynę</translation>
    </message>
    <message>
        <source>Fuel cut-offs</source>
        <translation>Odcięcia paliwa</translation>
    </message>
    <message>
        <source>Link losses</source>
        <translation>Utraty połączenia</translation>
    </message>
    <message>
        <source>Learning runs</source>
        <translation>Cykle nauki</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Pojazd</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Nr rejestracyjny</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Fitter</source>
        <translation>Mechanik</translation>
    </message>
    <message>
        <source>switching %1 on gas, %2 on petrol; rich %3 of the steady time on gas; %4 to %5</source>
        <translation>przełączanie %1 na gazie, %2 na benzynie; mieszanka bogata przez %3 czasu ustalonej jazdy na gazie; od %4 do %5</translation>
    </message>
    <message>
        <source>hunting %1; at a travel limit %2 of the time on gas</source>
        <translation>wahania %1; na granicy zakresu przez %2 czasu pracy na gazie</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>kroku</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ocena</translation>
    </message>
    <message>
        <source>What the drive shows</source>
        <translation>Co pokazała jazda</translation>
    </message>
    <message>
        <source>Lambda sensor</source>
        <translation>Sonda lambda</translation>
    </message>
    <message>
        <source>Gas actuator</source>
        <translation>Silnik krokowy gazu</translation>
    </message>
    <message>
        <source>OK: within the limits. Check: worth a look at the next service. Fail: needs repair. Unknown: too little steady driving in the recording to judge.</source>
        <translation>OK: w normie. Kontrola: warto sprawdzić przy następnym przeglądzie. Usterka: wymaga naprawy. Brak oceny: w nagraniu jest za mało ustalonej jazdy, by to ocenić.</translation>
    </message>
    <message>
        <source>The recording holds no settings read from the controller.</source>
        <translation>Nagranie nie zawiera ustawień odczytanych ze sterownika.</translation>
    </message>
    <message>
        <source>The settings changed during the drive; shown as at its end.</source>
        <translation>Ustawienia zmieniły się podczas jazdy; pokazano stan z jej końca.</translation>
    </message>
    <message>
        <source>Settings the recording did not read are left out.</source>
        <translation>Pominięto ustawienia, których nie odczytano w nagraniu.</translation>
    </message>
    <message>
        <source>Engine speed (rpm)</source>
        <translation>Obroty silnika (obr/min)</translation>
    </message>
    <message>
        <source>Lambda voltage (V)</source>
        <translation>Napięcie sondy lambda (V)</translation>
    </message>
    <message>
        <source>Actuator (steps)</source>
        <translation>Silnik krokowy (kroki)</translation>
    </message>
    <message>
        <source>Reducer temperature (°C)</source>
        <translation>Temperatura reduktora (°C)</translation>
    </message>
    <message>
        <source>Green ground: running on gas; grey: no readings. The orange line is the lambda switching point. Each chart keeps the lowest and highest value of every moment.</source>
        <translation>Zielone tło: praca na gazie; szare: brak odczytów. Pomarańczowa linia to punkt przełączania sondy lambda. Każdy wykres zachowuje najniższą i najwyższą wartość z każdej chwili.</translation>
    </message>
    <message>
        <source>Drive report</source>
        <translation>Raport z jazdy</translation>
    </message>
    <message>
        <source>LPG installation checked from a recorded drive</source>
        <translation>Kontrola instalacji LPG na podstawie nagranej jazdy</translation>
    </message>
    <message>
        <source>The drive</source>
        <translation>Jazda</translation>
    </message>
    <message>
        <source>Vehicle and customer</source>
        <translation>Pojazd i klient</translation>
    </message>
    <message>
        <source>The recording was read only in part: %1</source>
        <translation>Nagranie odczytano tylko częściowo: %1</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Charts of the drive</source>
        <translation>Wykresy z jazdy</translation>
    </message>
    <message>
        <source>Settings in force</source>
        <translation>Obowiązujące ustawienia</translation>
    </message>
    <message>
        <source>Signature of the fitter: ..............................</source>
        <translation>Podpis mechanika: ..............................</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Review recordings...</source>
        <translation>Przeglądaj nagrania...</translation>
    </message>
    <message>
        <source>Add marker here...</source>
        <translation>Dodaj tu znacznik...</translation>
    </message>
    <message>
        <source>Remove the marker here</source>
        <translation>Usuń znacznik w tym miejscu</translation>
    </message>
    <message>
        <source>Place cursor A here</source>
        <translation>Ustaw tu kursor A</translation>
    </message>
    <message>
        <source>Place cursor B here</source>
        <translation>Ustaw tu kursor B</translation>
    </message>
    <message>
        <source>Review recordings</source>
        <translation>Przegląd nagrań</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Przegląd</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Otwórz...</translation>
    </message>
    <message>
        <source>Open a recording</source>
        <translation>Otwórz nagranie</translation>
    </message>
    <message>
        <source>Overlay...</source>
        <translation>Nałóż...</translation>
    </message>
    <message>
        <source>Lay a second recording over this one</source>
        <translation>Nałóż na to nagranie drugie nagranie</translation>
    </message>
    <message>
        <source>Fit all</source>
        <translation>Całość</translation>
    </message>
    <message>
        <source>Show the whole recording</source>
        <translation>Pokaż całe nagranie</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom in around the middle</source>
        <translation>Powiększ wokół środka</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Zoom out around the middle</source>
        <translation>Pomniejsz wokół środka</translation>
    </message>
    <message>
        <source>Add marker</source>
        <translation>Dodaj znacznik</translation>
    </message>
    <message>
        <source>Add a marker with a note at cursor A</source>
        <translation>Dodaj znacznik z notatką w miejscu kursora A</translation>
    </message>
    <message>
        <source>Remove overlay</source>
        <translation>Usuń nałożenie</translation>
    </message>
    <message>
        <source>Remove the overlaid recording</source>
        <translation>Usuń nałożone nagranie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>at A</source>
        <translation>kursor A</translation>
    </message>
    <message>
        <source>at B</source>
        <translation>kursor B</translation>
    </message>
    <message>
        <source>min A-B</source>
        <translation>min A-B</translation>
    </message>
    <message>
        <source>max A-B</source>
        <translation>maks. A-B</translation>
    </message>
    <message>
        <source>mean A-B</source>
        <translation>średnia A-B</translation>
    </message>
    <message>
        <source>The recording cannot be opened.</source>
        <translation>Nie można otworzyć nagrania.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Wczytywanie %1...</translation>
    </message>
    <message>
        <source>Only part of the recording could be read.</source>
        <translation>Udało się odczytać tylko część nagrania.</translation>
    </message>
    <message>
        <source>The markers beside the recording cannot be read.</source>
        <translation>Nie można odczytać znaczników zapisanych obok nagrania.</translation>
    </message>
    <message>
        <source>The first switch-over to gas</source>
        <translation>Pierwsze przełączenie na gaz</translation>
    </message>
    <message>
        <source>The marker &quot;%1&quot;</source>
        <translation>Znacznik „%1”</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Nałożenie</translation>
    </message>
    <message>
        <source>Align the recordings on:</source>
        <translation>Wyrównaj nagrania do:</translation>
    </message>
    <message>
        <source>One of the recordings never switches over to gas, so they are laid over from their first rows.</source>
        <translation>W jednym z nagrań nie ma przełączenia na gaz, więc nagrania nałożono od ich pierwszych wierszy.</translation>
    </message>
    <message>
        <source>%1 - Review recordings</source>
        <translation>%1 - Przegląd nagrań</translation>
    </message>
    <message>
        <source>A to B %1 s</source>
        <translation>od A do B %1 s</translation>
    </message>
    <message>
        <source>Click to place cursor A, shift-click or the right button for B (keys A and B place them at the middle).</source>
        <translation>Kliknięcie ustawia kursor A, Shift+kliknięcie lub prawy przycisk – kursor B (klawisze A i B ustawiają je na środku).</translation>
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
        <translation>Notatka do znacznika w chwili %1:</translation>
    </message>
    <message>
        <source>The markers cannot be saved.</source>
        <translation>Nie można zapisać znaczników.</translation>
    </message>
    <message>
        <source>to gas</source>
        <translation>na gaz</translation>
    </message>
    <message>
        <source>to petrol</source>
        <translation>na benzynę</translation>
    </message>
    <message>
        <source>cut-off</source>
        <translation>odcięcie</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>utrata połączenia</translation>
    </message>
    <message>
        <source>link back</source>
        <translation>połączenie wróciło</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>nauka</translation>
    </message>
    <message>
        <source>learning ended</source>
        <translation>koniec nauki</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <translation>Obroty silnika</translation>
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
        <translation>Silnik krokowy</translation>
    </message>
    <message>
        <source>Start position</source>
        <translation>Pozycja startowa</translation>
    </message>
    <message>
        <source>Reducer temperature</source>
        <translation>Temperatura reduktora</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>obr/min</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>kroki</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Open a recording with Ctrl+O.</source>
        <translation>Otwórz nagranie skrótem Ctrl+O.</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Paliwo</translation>
    </message>
    <message>
        <source>LPG off</source>
        <translation>Gaz wył.</translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation>Odcięcie</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Nauka</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Łącze</translation>
    </message>
    <message>
        <source>Overlay: %1</source>
        <translation>Nałożone: %1</translation>
    </message>
    <message>
        <source>Report for the customer</source>
        <translation>Raport dla klienta</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Zapisz raport...</translation>
    </message>
    <message>
        <source>Save the customer&apos;s report of this recording</source>
        <translation>Zapisz raport dla klienta z tego nagrania</translation>
    </message>
    <message>
        <source>The report cannot be saved.</source>
        <translation>Nie można zapisać raportu.</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Zapisano raport: %1</translation>
    </message>
</context>
</TS>
