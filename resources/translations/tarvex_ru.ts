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
    <name>History</name>
    <message>
        <source>Undo last change</source>
        <translation>Отменить последнее изменение</translation>
    </message>
    <message>
        <source>Settings history...</source>
        <translation>История настроек...</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Отменено: %1.</translation>
    </message>
    <message>
        <source>Not known before the change, left as they are: %1.</source>
        <translation>Значения до изменения неизвестны, оставлены как есть: %1.</translation>
    </message>
    <message>
        <source>%1: sent %2, shows %3 now</source>
        <translation>%1: отправлено %2, сейчас показывает %3</translation>
    </message>
    <message>
        <source>The controller no longer shows what %1 sent:

%2

Send the values from before it all the same?</source>
        <translation>Контроллер больше не показывает то, что было отправлено изменением %1:

%2

Всё равно отправить значения, бывшие до него?</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Ничего не отправлено.</translation>
    </message>
    <message>
        <source>There is no change left to undo.</source>
        <translation>Больше нет изменений для отмены.</translation>
    </message>
    <message>
        <source>The last change is a factory reset, and no snapshot of the settings was taken before it: what the controller held is not known, so it cannot be undone.</source>
        <translation>Последнее изменение — сброс к заводским настройкам, а снимок настроек перед ним не был сделан: неизвестно, что было в контроллере, поэтому его нельзя отменить.</translation>
    </message>
    <message>
        <source>The values from before the last change (%1) are not known: they had not been read from the controller. Nothing was sent; restore a snapshot from the settings history instead.</source>
        <translation>Значения до последнего изменения (%1) неизвестны: они не были считаны из контроллера. Ничего не отправлено; вместо этого восстановите снимок из истории настроек.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Before, sent</source>
        <translation>До, отправлено</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Автомобиль</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Snapshot: %1</source>
        <translation>Снимок: %1</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>При приёме</translation>
    </message>
    <message>
        <source>Before a settings file</source>
        <translation>Перед отправкой файла настроек</translation>
    </message>
    <message>
        <source>Before a factory reset</source>
        <translation>Перед сбросом к заводским настройкам</translation>
    </message>
    <message>
        <source>Before an undo</source>
        <translation>Перед отменой</translation>
    </message>
    <message>
        <source>Before a restore</source>
        <translation>Перед восстановлением снимка</translation>
    </message>
    <message>
        <source>By hand</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Other write</source>
        <translation>Другая запись</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Выбор из списка</translation>
    </message>
    <message>
        <source>Emulation corrections</source>
        <translation>Коррекция эмуляции</translation>
    </message>
    <message>
        <source>Settings file sent</source>
        <translation>Отправлен файл настроек</translation>
    </message>
    <message>
        <source>Comparison sent</source>
        <translation>Отправлено из сравнения</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Сброс к заводским настройкам</translation>
    </message>
    <message>
        <source>Learning run</source>
        <translation>Обучение</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>tarvex-cli write</source>
        <translation>tarvex-cli write</translation>
    </message>
    <message>
        <source>Sent, no answer kept</source>
        <translation>Отправлено, ответ не сохранён</translation>
    </message>
    <message>
        <source>Acknowledged</source>
        <translation>Подтверждено</translation>
    </message>
    <message>
        <source>Not acknowledged</source>
        <translation>Не подтверждено</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Проверено чтением</translation>
    </message>
    <message>
        <source>Not held: shows %1</source>
        <translation>Не сохранено: показывает %1</translation>
    </message>
    <message>
        <source>The controller does not answer.</source>
        <translation>Контроллер не отвечает.</translation>
    </message>
    <message>
        <source>The controller is not of generation 2.</source>
        <translation>Контроллер не второго поколения.</translation>
    </message>
    <message>
        <source>The controller&apos;s settings could not be read.</source>
        <translation>Не удалось считать настройки контроллера.</translation>
    </message>
    <message>
        <source>Settings history</source>
        <translation>История настроек</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (package libqt6sql6-sqlite).</source>
        <translation>Не установлен драйвер SQLite для Qt (пакет libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>The file or its folder may not be written.</source>
        <translation>Нет права записи в файл или его папку.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>The file is damaged or is no settings history. Move it elsewhere (Tarvex leaves it as it is) and start Tarvex again to begin a new history.</source>
        <translation>Файл повреждён или не является историей настроек. Переместите его в другое место (Tarvex оставляет его без изменений) и снова запустите Tarvex, чтобы начать новую историю.</translation>
    </message>
    <message>
        <source>Another program holds it.</source>
        <translation>Он занят другой программой.</translation>
    </message>
    <message>
        <source>A newer Tarvex wrote it.</source>
        <translation>Он записан более новой версией Tarvex.</translation>
    </message>
    <message>
        <source>It could not be read or written.</source>
        <translation>Его не удалось прочитать или записать.</translation>
    </message>
    <message>
        <source>The settings history cannot be kept: what is sent to the controller from now on is not kept in it and cannot be undone. Everything else works as usual.</source>
        <translation>Историю настроек вести невозможно: то, что отныне отправляется в контроллер, в ней не сохраняется и не может быть отменено. Всё остальное работает как обычно.</translation>
    </message>
    <message>
        <source>Snapshot %1 (%2, %3)</source>
        <translation>Снимок %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Restore this setting</source>
        <translation>Восстановить этот параметр</translation>
    </message>
    <message>
        <source>Attach</source>
        <translation>Назначить</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Сделать снимок</translation>
    </message>
    <message>
        <source>Show beside the controller...</source>
        <translation>Сравнить с контроллером...</translation>
    </message>
    <message>
        <source>registration, VIN or customer</source>
        <translation>госномер, VIN или клиент</translation>
    </message>
    <message>
        <source>Vehicle of this visit:</source>
        <translation>Автомобиль этого визита:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Показать:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Примечание:</translation>
    </message>
    <message>
        <source>All vehicles</source>
        <translation>Все автомобили</translation>
    </message>
    <message>
        <source>No snapshot was taken.</source>
        <translation>Снимок не сделан.</translation>
    </message>
    <message>
        <source>Snapshot restored</source>
        <translation>Восстановлен снимок</translation>
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
<context>
    <name>Report</name>
    <message>
        <source>unknown</source>
        <translation>нет данных</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Неисправно</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Не оценено</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>не записано</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Контроллер</translation>
    </message>
    <message>
        <source>generation %1, version %2</source>
        <translation>поколение %1, версия %2</translation>
    </message>
    <message>
        <source>On gas</source>
        <translation>Работа на газе</translation>
    </message>
    <message>
        <source>On petrol</source>
        <translation>Работа на бензине</translation>
    </message>
    <message>
        <source>Warm-up to gas</source>
        <translation>До переключения на газ</translation>
    </message>
    <message>
        <source>no switch-over</source>
        <translation>переключения не было</translation>
    </message>
    <message>
        <source> (the first at %1: reducer %2 °C, %3 rpm)</source>
        <translation> (первое через %1: редуктор %2 °C, %3 об/мин)</translation>
    </message>
    <message>
        <source>Switch-overs to gas</source>
        <translation>Переключения на газ</translation>
    </message>
    <message>
        <source>Switch-backs to petrol</source>
        <translation>Возвраты на бензин</translation>
    </message>
    <message>
        <source>Fuel cut-offs</source>
        <translation>Отсечки топлива</translation>
    </message>
    <message>
        <source>Link losses</source>
        <translation>Потери связи</translation>
    </message>
    <message>
        <source>Learning runs</source>
        <translation>Циклы обучения</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Автомобиль</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Госномер</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>Fitter</source>
        <translation>Мастер</translation>
    </message>
    <message>
        <source>switching %1 on gas, %2 on petrol; rich %3 of the steady time on gas; %4 to %5</source>
        <translation>переключение %1 на газе, %2 на бензине; богатая смесь %3 времени установившегося режима на газе; от %4 до %5</translation>
    </message>
    <message>
        <source>hunting %1; at a travel limit %2 of the time on gas</source>
        <translation>колебания %1; на пределе хода %2 времени работы на газе</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>шага</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Оценка</translation>
    </message>
    <message>
        <source>What the drive shows</source>
        <translation>Что показала поездка</translation>
    </message>
    <message>
        <source>Lambda sensor</source>
        <translation>Лямбда-зонд</translation>
    </message>
    <message>
        <source>Gas actuator</source>
        <translation>Шаговый двигатель газа</translation>
    </message>
    <message>
        <source>OK: within the limits. Check: worth a look at the next service. Fail: needs repair. Unknown: too little steady driving in the recording to judge.</source>
        <translation>Норма: в допустимых пределах. Проверка: стоит посмотреть при следующем ТО. Неисправно: требуется ремонт. Не оценено: в записи слишком мало равномерной езды для оценки.</translation>
    </message>
    <message>
        <source>The recording holds no settings read from the controller.</source>
        <translation>В записи нет настроек, считанных из контроллера.</translation>
    </message>
    <message>
        <source>The settings changed during the drive; shown as at its end.</source>
        <translation>Настройки менялись во время поездки; показаны на момент её окончания.</translation>
    </message>
    <message>
        <source>Settings the recording did not read are left out.</source>
        <translation>Настройки, не считанные в записи, не показаны.</translation>
    </message>
    <message>
        <source>Engine speed (rpm)</source>
        <translation>Обороты двигателя (об/мин)</translation>
    </message>
    <message>
        <source>Lambda voltage (V)</source>
        <translation>Напряжение лямбда-зонда (V)</translation>
    </message>
    <message>
        <source>Actuator (steps)</source>
        <translation>Шаговый двигатель (шаги)</translation>
    </message>
    <message>
        <source>Reducer temperature (°C)</source>
        <translation>Температура редуктора (°C)</translation>
    </message>
    <message>
        <source>Green ground: running on gas; grey: no readings. The orange line is the lambda switching point. Each chart keeps the lowest and highest value of every moment.</source>
        <translation>Зелёный фон: работа на газе; серый: нет показаний. Оранжевая линия — точка переключения лямбда-зонда. Каждый график сохраняет наименьшее и наибольшее значение каждого момента.</translation>
    </message>
    <message>
        <source>Drive report</source>
        <translation>Отчёт о поездке</translation>
    </message>
    <message>
        <source>LPG installation checked from a recorded drive</source>
        <translation>Проверка ГБО по записи поездки</translation>
    </message>
    <message>
        <source>The drive</source>
        <translation>Поездка</translation>
    </message>
    <message>
        <source>Vehicle and customer</source>
        <translation>Автомобиль и клиент</translation>
    </message>
    <message>
        <source>The recording was read only in part: %1</source>
        <translation>Запись прочитана лишь частично: %1</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Результаты проверки</translation>
    </message>
    <message>
        <source>Charts of the drive</source>
        <translation>Графики поездки</translation>
    </message>
    <message>
        <source>Settings in force</source>
        <translation>Действующие настройки</translation>
    </message>
    <message>
        <source>Signature of the fitter: ..............................</source>
        <translation>Подпись мастера: ..............................</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Review recordings...</source>
        <translation>Просмотреть записи...</translation>
    </message>
    <message>
        <source>Add marker here...</source>
        <translation>Добавить здесь метку...</translation>
    </message>
    <message>
        <source>Remove the marker here</source>
        <translation>Удалить метку в этом месте</translation>
    </message>
    <message>
        <source>Place cursor A here</source>
        <translation>Поставить здесь курсор A</translation>
    </message>
    <message>
        <source>Place cursor B here</source>
        <translation>Поставить здесь курсор B</translation>
    </message>
    <message>
        <source>Review recordings</source>
        <translation>Просмотр записей</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>Open a recording</source>
        <translation>Открыть запись</translation>
    </message>
    <message>
        <source>Overlay...</source>
        <translation>Наложить...</translation>
    </message>
    <message>
        <source>Lay a second recording over this one</source>
        <translation>Наложить на эту запись вторую</translation>
    </message>
    <message>
        <source>Fit all</source>
        <translation>Целиком</translation>
    </message>
    <message>
        <source>Show the whole recording</source>
        <translation>Показать всю запись</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom in around the middle</source>
        <translation>Увеличить относительно середины</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Zoom out around the middle</source>
        <translation>Уменьшить относительно середины</translation>
    </message>
    <message>
        <source>Add marker</source>
        <translation>Добавить метку</translation>
    </message>
    <message>
        <source>Add a marker with a note at cursor A</source>
        <translation>Добавить метку с примечанием у курсора A</translation>
    </message>
    <message>
        <source>Remove overlay</source>
        <translation>Убрать наложение</translation>
    </message>
    <message>
        <source>Remove the overlaid recording</source>
        <translation>Убрать наложенную запись</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>at A</source>
        <translation>курсор A</translation>
    </message>
    <message>
        <source>at B</source>
        <translation>курсор B</translation>
    </message>
    <message>
        <source>min A-B</source>
        <translation>мин. A-B</translation>
    </message>
    <message>
        <source>max A-B</source>
        <translation>макс. A-B</translation>
    </message>
    <message>
        <source>mean A-B</source>
        <translation>среднее A-B</translation>
    </message>
    <message>
        <source>The recording cannot be opened.</source>
        <translation>Не удалось открыть запись.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Чтение %1...</translation>
    </message>
    <message>
        <source>Only part of the recording could be read.</source>
        <translation>Удалось прочитать только часть записи.</translation>
    </message>
    <message>
        <source>The markers beside the recording cannot be read.</source>
        <translation>Не удалось прочитать метки, сохранённые рядом с записью.</translation>
    </message>
    <message>
        <source>The first switch-over to gas</source>
        <translation>Первое переключение на газ</translation>
    </message>
    <message>
        <source>The marker &quot;%1&quot;</source>
        <translation>Метка «%1»</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Наложение</translation>
    </message>
    <message>
        <source>Align the recordings on:</source>
        <translation>Совместить записи по:</translation>
    </message>
    <message>
        <source>One of the recordings never switches over to gas, so they are laid over from their first rows.</source>
        <translation>В одной из записей нет переключения на газ, поэтому записи наложены от их первых строк.</translation>
    </message>
    <message>
        <source>%1 - Review recordings</source>
        <translation>%1 - Просмотр записей</translation>
    </message>
    <message>
        <source>A to B %1 s</source>
        <translation>от A до B %1 s</translation>
    </message>
    <message>
        <source>Click to place cursor A, shift-click or the right button for B (keys A and B place them at the middle).</source>
        <translation>Щелчок ставит курсор A, Shift+щелчок или правая кнопка — курсор B (клавиши A и B ставят их в середину).</translation>
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
        <translation>Примечание к метке в момент %1:</translation>
    </message>
    <message>
        <source>The markers cannot be saved.</source>
        <translation>Не удалось сохранить метки.</translation>
    </message>
    <message>
        <source>to gas</source>
        <translation>на газ</translation>
    </message>
    <message>
        <source>to petrol</source>
        <translation>на бензин</translation>
    </message>
    <message>
        <source>cut-off</source>
        <translation>отсечка</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>потеря связи</translation>
    </message>
    <message>
        <source>link back</source>
        <translation>связь восстановлена</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>обучение</translation>
    </message>
    <message>
        <source>learning ended</source>
        <translation>конец обучения</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <translation>Обороты двигателя</translation>
    </message>
    <message>
        <source>Lambda</source>
        <translation>Лямбда</translation>
    </message>
    <message>
        <source>TPS</source>
        <translation>ДПДЗ</translation>
    </message>
    <message>
        <source>Actuator</source>
        <translation>Шаговый двигатель</translation>
    </message>
    <message>
        <source>Start position</source>
        <translation>Начальное положение</translation>
    </message>
    <message>
        <source>Reducer temperature</source>
        <translation>Температура редуктора</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>об/мин</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>шаги</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Open a recording with Ctrl+O.</source>
        <translation>Откройте запись сочетанием Ctrl+O.</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Топливо</translation>
    </message>
    <message>
        <source>LPG off</source>
        <translation>Газ выкл.</translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation>Отсечка</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Обучение</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Связь</translation>
    </message>
    <message>
        <source>Overlay: %1</source>
        <translation>Наложено: %1</translation>
    </message>
    <message>
        <source>Report for the customer</source>
        <translation>Отчёт для клиента</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Сохранить отчёт...</translation>
    </message>
    <message>
        <source>Save the customer&apos;s report of this recording</source>
        <translation>Сохранить отчёт для клиента по этой записи</translation>
    </message>
    <message>
        <source>The report cannot be saved.</source>
        <translation>Не удалось сохранить отчёт.</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Отчёт сохранён: %1</translation>
    </message>
</context>
</TS>
