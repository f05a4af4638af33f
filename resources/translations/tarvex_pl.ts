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
</TS>
