<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Compare</name>
    <message>
        <source>(not in the list)</source>
        <translation>(нет в списке)</translation>
    </message>
    <message>
        <source>%1: bits no control sets</source>
        <translation>%1: биты, не задаваемые в программе</translation>
    </message>
    <message>
        <source>Differences only</source>
        <translation>Только различия</translation>
    </message>
    <message>
        <source>%1 of %2 rows differ.</source>
        <translation>Строк с различиями: %1 из %2.</translation>
    </message>
    <message>
        <source>The controller does not answer: its values cannot be shown and the file cannot be sent.</source>
        <translation>Контроллер не отвечает: нельзя показать его значения и отправить файл.</translation>
    </message>
    <message>
        <source>The controller is not of generation 2: its settings cannot be read and the file cannot be sent.</source>
        <translation>Контроллер не 2-го поколения: нельзя прочитать его настройки и отправить файл.</translation>
    </message>
    <message>
        <source>The controller&apos;s settings could not be read: its values cannot be shown and the file cannot be sent.</source>
        <translation>Не удалось прочитать настройки контроллера: нельзя показать его значения и отправить файл.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Nothing to save</source>
        <translation>Нечего сохранять</translation>
    </message>
    <message>
        <source>The controller&apos;s settings have not been read since it last answered: there is nothing of the car to save. Nothing was written.</source>
        <translation>С момента последнего ответа контроллера его настройки не прочитаны: с автомобиля нечего сохранить. Ничего не записано.</translation>
    </message>
    <message>
        <source>Not acknowledged: %1.</source>
        <translation>Не подтверждено: %1.</translation>
    </message>
    <message>
        <source>The controller does not hold: %1.</source>
        <translation>Контроллер не сохранил: %1.</translation>
    </message>
    <message>
        <source>The settings could not be read back from the controller: nothing confirms that it holds them.</source>
        <translation>Не удалось повторно прочитать настройки из контроллера: ничто не подтверждает, что он их сохранил.</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Recording ended</source>
        <translation>Запись закончилась</translation>
    </message>
    <message>
        <source>The recording has ended.</source>
        <translation>Запись закончилась.</translation>
    </message>
    <message>
        <source>A recording is playing in place of the controller: nothing is sent to the controller.

Choose &quot;%1&quot; in the File menu again to return to the controller.</source>
        <translation>Вместо контроллера воспроизводится запись: в контроллер ничего не отправляется.

Чтобы вернуться к контроллеру, снова выберите «%1» в меню «Файл».</translation>
    </message>
</context>
<context>
    <name>Port</name>
    <message>
        <source>(no serial devices found)</source>
        <translation>(последовательные устройства не найдены)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>%1 could not be read, so COM 1 to COM 4 stand for /dev/ttyS0 to /dev/ttyS3.</source>
        <translation>Не удалось прочитать файл %1, поэтому порты COM 1–COM 4 соответствуют /dev/ttyS0–/dev/ttyS3.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>нет устройства</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>нет прав доступа</translation>
    </message>
    <message>
        <source>held by another program</source>
        <translation>занят другой программой</translation>
    </message>
    <message>
        <source>not a terminal</source>
        <translation>не последовательный порт</translation>
    </message>
    <message>
        <source>cannot open (%1)</source>
        <translation>не удаётся открыть (%1)</translation>
    </message>
    <message>
        <source>Find controller</source>
        <translation>Найти контроллер</translation>
    </message>
    <message>
        <source>COM %1 stands for %2 until Tarvex ends, but %3 could not be written, so this is not kept.</source>
        <translation>COM %1 соответствует %2 до закрытия Tarvex, но файл %3 не удалось записать, поэтому выбор не сохранится.</translation>
    </message>
    <message>
        <source>The controller answered on %1.

COM %2 now stands for it.</source>
        <translation>Контроллер ответил на %1.

Теперь COM %2 соответствует этому устройству.</translation>
    </message>
    <message>
        <source>No serial devices found. Check that the lead is plugged in.</source>
        <translation>Последовательные устройства не найдены. Проверьте, подключён ли кабель.</translation>
    </message>
    <message>
        <source>No controller answered on the serial devices present. Check the lead and that the ignition is on.</source>
        <translation>Контроллер не ответил ни на одном из имеющихся последовательных устройств. Проверьте кабель и включено ли зажигание.</translation>
    </message>
    <message>
        <source>Not tried, in use by another program: %1</source>
        <translation>Не проверены, заняты другой программой: %1</translation>
    </message>
</context>
</TS>
