<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_TW">
<context>
    <name>FeldSpan</name>
    <message id="100">
        <source>OLE initialization failed.  Make sure that the OLE libraries are the correct version.</source>
        <translation>Не удалось инициализировать OLE. Убедитесь, что библиотеки OLE нужной версии.</translation>
    </message>
    <message id="57344">
        <source>FeldSpan</source>
        <translation>FeldSpan</translation>
    </message>
    <message id="61220">
        <source>資料接收失敗</source>
        <translation>Не удалось принять данные</translation>
    </message>
    <message id="61221">
        <source>連線失敗,請確認通訊埠狀態</source>
        <translation>Не удалось подключиться, проверьте порт</translation>
    </message>
    <message id="61222">
        <source>檔名太長&#xd;
檔名最多8個字元,副檔名最多3個字元</source>
        <translation>Слишком длинное имя файла&#xd;
Имя может иметь не более 8 символов, расширение — не более 3</translation>
    </message>
    <message id="61223">
        <source>燒錄程式不存在</source>
        <translation>Программа записи флеш-памяти не найдена</translation>
    </message>
    <message id="61224">
        <source>FeldSpan一次只能10個專案</source>
        <translation>FeldSpan работает одновременно не более чем с 10 проектами</translation>
    </message>
    <message id="61225">
        <source>請選擇一個專案</source>
        <translation>Выберите проект</translation>
    </message>
    <message id="61227">
        <source>專案:</source>
        <translation>Проекты:</translation>
    </message>
    <message id="61228">
        <source>狀態</source>
        <translation>Состояние</translation>
    </message>
    <message id="61229">
        <source>傳送</source>
        <translation>Отправить</translation>
    </message>
    <message id="61230">
        <source>接收資料</source>
        <translation>Принять данные</translation>
    </message>
    <message id="61231">
        <source>設定</source>
        <translation>Настройка</translation>
    </message>
    <message id="61232">
        <source>加入</source>
        <translation>Добавить</translation>
    </message>
    <message id="61233">
        <source>移除</source>
        <translation>Удалить</translation>
    </message>
    <message id="61234">
        <source>關於</source>
        <translation>О программе</translation>
    </message>
    <message id="61235">
        <source>複製%s完成</source>
        <translation>Копирование %s завершено</translation>
    </message>
    <message id="61236">
        <source>複製%s失敗!!</source>
        <translation>Не удалось скопировать %s!!</translation>
    </message>
    <message id="61237">
        <source>已刪除%s!!</source>
        <translation>%s удалён!!</translation>
    </message>
    <message id="61238">
        <source>%s無法刪除!!</source>
        <translation>Невозможно удалить %s!!</translation>
    </message>
    <message id="61239">
        <source>移動%s完成!!</source>
        <translation>Перемещение %s завершено!!</translation>
    </message>
    <message id="61240">
        <source>搬移%s失敗!!</source>
        <translation>Не удалось переместить %s!!</translation>
    </message>
    <message id="61241">
        <source>傳送 %s 中......</source>
        <translation>Отправка %s ......</translation>
    </message>
    <message id="61242">
        <source>傳送結束</source>
        <translation>Передача завершена</translation>
    </message>
    <message id="61243">
        <source>連線失敗...</source>
        <translation>Не удалось подключиться...</translation>
    </message>
    <message id="61244">
        <source>格式化完成</source>
        <translation>Форматирование завершено</translation>
    </message>
    <message id="61245">
        <source>格式化失敗</source>
        <translation>Не удалось отформатировать</translation>
    </message>
    <message id="61246">
        <source>格式化磁碟機 D 前必須先格式化磁碟機 C:</source>
        <translation>Перед форматированием диска D: нужно отформатировать диск C:</translation>
    </message>
    <message id="61247">
        <source>磁碟機內的檔案會全部消失!!&#xd;
你確定要格式化?</source>
        <translation>Все файлы на диске будут потеряны!!&#xd;
Вы действительно хотите его отформатировать?</translation>
    </message>
    <message id="61248">
        <source>同名稱專案已加入</source>
        <translation>Проект с таким именем уже добавлен</translation>
    </message>
    <message id="61250">
        <source>無專案可傳送</source>
        <translation>Нет проекта для отправки</translation>
    </message>
    <message id="61251">
        <source>檔案傳送失敗</source>
        <translation>Не удалось передать файл</translation>
    </message>
    <message id="61252">
        <source>資料接收成功</source>
        <translation>Данные успешно приняты</translation>
    </message>
    <message id="61253">
        <source>檔案下載完成</source>
        <translation>Загрузка файла завершена</translation>
    </message>
    <message id="61254">
        <source>韌體更新時會造成磁碟機 C: 和 D: 檔案流失&#xd;
你確定要更新韌體嗎?</source>
        <translation>Обновление прошивки удаляет файлы на дисках C: и D:&#xd;
Вы действительно хотите обновить прошивку?</translation>
    </message>
    <message id="61255">
        <source>按&quot;確定&quot;開始更新韌體.&#xd;
請查看終端機營幕.&#xd;
關機表示更新完成.</source>
        <translation>Нажмите &quot;OK&quot;, чтобы начать обновление прошивки.&#xd;
Следите за экраном терминала.&#xd;
Выключение терминала означает, что обновление завершено.</translation>
    </message>
    <message id="61256">
        <source>韌體更新完成</source>
        <translation>Обновление прошивки завершено</translation>
    </message>
    <message id="61257">
        <source>韌體更新未完成</source>
        <translation>Обновление прошивки не завершено</translation>
    </message>
    <message id="61258">
        <source>檔案已存在,要覆寫嗎?</source>
        <translation>Файл уже существует. Перезаписать его?</translation>
    </message>
    <message id="61259">
        <source>無法獲得資訊,請確認連線狀態</source>
        <translation>Не удалось получить сведения, проверьте подключение</translation>
    </message>
    <message id="61260">
        <source>磁碟機</source>
        <translation>Диск</translation>
    </message>
    <message id="61261">
        <source>檔案資料夾</source>
        <translation>Папка с файлами</translation>
    </message>
    <message id="61262">
        <source>檔案</source>
        <translation>Файл</translation>
    </message>
    <message id="61263">
        <source>已使用空間</source>
        <translation>Занято</translation>
    </message>
    <message id="61264">
        <source>可用空間</source>
        <translation>Свободно</translation>
    </message>
    <message id="61265">
        <source>容量</source>
        <translation>Ёмкость</translation>
    </message>
    <message id="61266">
        <source>尚未格式化</source>
        <translation>Не отформатирован</translation>
    </message>
    <message id="61267">
        <source>%d/%02d/%02d,  %02d : %02d : %02d</source>
        <translation>%d/%02d/%02d,  %02d : %02d : %02d</translation>
    </message>
    <message id="61268">
        <source>磁碟機 C: 尚未格式化,請先將 C 槽格式化</source>
        <translation>Диск C: не отформатирован, сначала отформатируйте диск C</translation>
    </message>
    <message id="61269">
        <source>磁碟機 D: 尚未格式化,請先將 D 槽格式化</source>
        <translation>Диск D: не отформатирован, сначала отформатируйте диск D</translation>
    </message>
    <message id="61270">
        <source>磁碟機 C: 空間不足,請先刪除一些檔案</source>
        <translation>На диске C: недостаточно места, сначала удалите несколько файлов</translation>
    </message>
    <message id="61271">
        <source>磁碟機 D: 空間不足,請先刪除一些檔案</source>
        <translation>На диске D: недостаточно места, сначала удалите несколько файлов</translation>
    </message>
    <message id="61272">
        <source>%s已經存在,要覆寫嗎?</source>
        <translation>%s уже существует. Перезаписать?</translation>
    </message>
    <message id="61273">
        <source>上傳....</source>
        <translation>Приём....</translation>
    </message>
    <message id="61274">
        <source>下載....</source>
        <translation>Отправка....</translation>
    </message>
    <message id="61275">
        <source>無任何資料可供接收</source>
        <translation>Нет данных для приёма</translation>
    </message>
    <message id="61276">
        <source>未連線</source>
        <translation>Нет подключения</translation>
    </message>
    <message id="61277">
        <source>請先將磁碟機 C: 格式化</source>
        <translation>Сначала отформатируйте диск C:</translation>
    </message>
    <message id="61278">
        <source>韌體版本不支援此功能,請更新韌體</source>
        <translation>Эта версия прошивки не поддерживает данную функцию, обновите прошивку</translation>
    </message>
    <message id="61279">
        <source>格式化</source>
        <translation>Форматирование</translation>
    </message>
    <message id="61280">
        <source>資料重組</source>
        <translation>Дефрагментация</translation>
    </message>
    <message id="61281">
        <source>磁碟機 D 需要被重整,請執行資料重組</source>
        <translation>Диск D нужно упорядочить, выполните дефрагментацию</translation>
    </message>
    <message id="61282">
        <source>有檔案正在使用中,請先關閉正在執行的程式</source>
        <translation>Файл используется, сначала закройте запущенную программу</translation>
    </message>
    <message id="61283">
        <source>韌體版本為舊版,檔案可能無法正常使用,要繼續下載嗎???</source>
        <translation>Прошивка устаревшей версии, файлы могут работать неправильно. Продолжить загрузку???</translation>
    </message>
    <message id="61284">
        <source>此路徑不存在,請輸入正確路徑.</source>
        <translation>Этот путь не существует, введите правильный путь.</translation>
    </message>
    <message id="61286">
        <source>啟動常駐</source>
        <translation>Включить резидентный режим</translation>
    </message>
    <message id="61287">
        <source>關閉常駐</source>
        <translation>Выключить резидентный режим</translation>
    </message>
    <message id="61288">
        <source>在%s時,上傳檔案%s完成</source>
        <translation>В %s приём файла %s завершён</translation>
    </message>
    <message id="61289">
        <source>在%s時,上傳檔案%s失敗</source>
        <translation>В %s не удалось принять файл %s</translation>
    </message>
    <message id="61290">
        <source>查無裝置,請安裝USB裝置,再檢查充電座switch1是否為On以及是否接上USB連接線及電源</source>
        <translation>Устройство не найдено. Установите USB-устройство, затем проверьте, что переключатель 1 подставки в положении On, а кабель USB и питание подключены</translation>
    </message>
    <message id="61291">
        <source>檔案不為充電座韌體格式</source>
        <translation>Файл не в формате прошивки подставки</translation>
    </message>
    <message id="61292">
        <source>確定要更新充電座韌體</source>
        <translation>Вы действительно хотите обновить прошивку подставки?</translation>
    </message>
    <message id="61293">
        <source>請先開啟檔案</source>
        <translation>Сначала откройте файл</translation>
    </message>
    <message id="61294">
        <source>充電座韌體更新完成,請重置充電座</source>
        <translation>Обновление прошивки подставки завершено, перезапустите подставку</translation>
    </message>
    <message id="61295">
        <source>充電座韌體更新未完成,請稍後重試</source>
        <translation>Обновление прошивки подставки не завершено, повторите попытку позже</translation>
    </message>
    <message id="61297">
        <source>請透過USB先與充電座連結</source>
        <translation>Сначала подключитесь к подставке через USB</translation>
    </message>
    <message id="61298">
        <source>無法處理此目錄</source>
        <translation>Невозможно обработать эту папку</translation>
    </message>
    <message id="61299">
        <source>Project:</source>
        <translation>Проект:</translation>
    </message>
    <message id="61300">
        <source>Program:</source>
        <translation>Программа:</translation>
    </message>
    <message id="61301">
        <source>Font:</source>
        <translation>Шрифт:</translation>
    </message>
    <message id="61302">
        <source>Lookup File:</source>
        <translation>Файл поиска:</translation>
    </message>
    <message id="61303">
        <source>Data File:</source>
        <translation>Файл данных:</translation>
    </message>
    <message id="61304">
        <source>電腦</source>
        <translation>Компьютер</translation>
    </message>
    <message id="61305">
        <source>終端機</source>
        <translation>Терминал</translation>
    </message>
    <message id="about.cradle.version">
        <source>充電座韌體版本</source>
        <translation>Версия прошивки подставки</translation>
    </message>
    <message id="about.title">
        <source>關於 FeldSpan</source>
        <translation>О программе FeldSpan</translation>
    </message>
    <message id="aboutCradle.title">
        <source>關於充電座</source>
        <translation>О подставке</translation>
    </message>
    <message id="cli.collect.daily">
        <source>daily at </source>
        <translation>ежедневно в </translation>
    </message>
    <message id="cli.collect.every">
        <source>every %d s</source>
        <translation>каждые %d с</translation>
    </message>
    <message id="cli.collect.noFiles">
        <source>no terminal file is switched on for collection: set FeldSpan/Standby/FileEnable1 and string1 (and the others) with `feldspan-cli config KEY VALUE`, or in the window's resident settings</source>
        <translation>ни один файл терминала не включён для сбора: задайте FeldSpan/Standby/FileEnable1 и string1 (и остальные) командой `feldspan-cli config KEY VALUE` или в настройках резидентного режима в окне</translation>
    </message>
    <message id="cli.collect.noTimes">
        <source>at fixed times, none of which is switched on</source>
        <translation>в заданное время, но ни одно время не включено</translation>
    </message>
    <message id="cli.collect.start">
        <source>collecting %d file(s) %s into %s; Ctrl-C stops</source>
        <translation>сбор файлов: %d, %s, в %s; Ctrl-C останавливает</translation>
    </message>
    <message id="cli.collect.storage">
        <source>storage folder (FeldSpan/Standby/SavePath): </source>
        <translation>папка хранения (FeldSpan/Standby/SavePath): </translation>
    </message>
    <message id="cli.defrag.done">
        <source>drive D: defragmented: %d file(s) back in place</source>
        <translation>диск D: дефрагментирован: файлов на месте: %d</translation>
    </message>
    <message id="cli.defrag.finished">
        <source>the earlier defragmentation is finished: %d file(s) of drive D: are back in place</source>
        <translation>прерванная дефрагментация завершена: файлов диска D: на месте: %d</translation>
    </message>
    <message id="cli.defrag.notDone">
        <source>drive D: was not defragmented</source>
        <translation>диск D: не дефрагментирован</translation>
    </message>
    <message id="cli.defrag.notFinished">
        <source>the earlier defragmentation was not finished: the copies stay in %s (use --yes to send them back)</source>
        <translation>прерванная дефрагментация не завершена: копии остаются в %s (используйте --yes, чтобы вернуть их)</translation>
    </message>
    <message id="cli.defrag.unformatted">
        <source>drive D: is not formatted: there is nothing to defragment</source>
        <translation>диск D: не отформатирован: дефрагментировать нечего</translation>
    </message>
    <message id="cli.failedBecause">
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message id="cli.help.about">
        <source>Links this PC with the handheld terminal and its cradle.</source>
        <translation>Связывает этот ПК с ручным терминалом и его подставкой.</translation>
    </message>
    <message id="cli.help.collect">
        <source>Runs the resident schedule of the FeldSpan/Standby settings until Ctrl-C.
  --once   one pass, exit 1 when a file failed
  --json   with --once: the pass's counts as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 collect --once</source>
        <translation>Выполняет резидентное расписание из настроек FeldSpan/Standby до Ctrl-C.
  --once   один проход; код 1, если какой-то файл не удался
  --json   с --once: счётчики прохода в JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 collect --once</translation>
    </message>
    <message id="cli.help.command">
        <source>The command to run (below).</source>
        <translation>Команда для выполнения (см. ниже).</translation>
    </message>
    <message id="cli.help.commands">
        <source>Commands:</source>
        <translation>Команды:</translation>
    </message>
    <message id="cli.help.config">
        <source>  KEY        a key as 'config' lists it, e.g. FeldSpan/Settings/Baudrate
  VALUE      the new value; only that key's line is written
Example:
  feldspan-cli config FeldSpan/Settings/UsbIds 0403:6001</source>
        <translation>  KEY        ключ в том виде, как его выводит 'config', напр. FeldSpan/Settings/Baudrate
  VALUE      новое значение; записывается только строка этого ключа
Example:
  feldspan-cli config FeldSpan/Settings/UsbIds 0403:6001</translation>
    </message>
    <message id="cli.help.cradle">
        <source>  list               the DFU devices: product name, vendor, product and release ids
  check FILE.dfu     check a firmware file and show what each kind of cradle gets
  image FILE.dfu OUT write the 64 KiB memory image the file describes
  update FILE.dfu    update the cradle's firmware (--index N: the device 'list' numbers)
  version            the cradle's firmware version (with --usb)
  --sim DESCRIPTION  a simulated cradle behind the same calls (1: the default one)
  --json             list and check print JSON
Example:
  feldspan-cli cradle check firmware.dfu</source>
        <translation>  list               устройства DFU: название продукта, идентификаторы производителя, продукта и версии
  check FILE.dfu     проверяет файл прошивки и показывает, что получит каждый вид подставки
  image FILE.dfu OUT записывает 64-КиБ образ памяти, описанный файлом
  update FILE.dfu    обновляет прошивку подставки (--index N: номер устройства из 'list')
  version            версия прошивки подставки (с --usb)
  --sim DESCRIPTION  имитация подставки за теми же вызовами (1: по умолчанию)
  --json             list и check выводят JSON
Example:
  feldspan-cli cradle check firmware.dfu</translation>
    </message>
    <message id="cli.help.defrag">
        <source>Copies every file of D:\Fonts, D:\Lookup and D:\Program to the project folder, checks
the copies, formats D: and sends them back. D: is formatted only when every copy is
complete; a run that was interrupted is finished from its copies, never formatted again.
  --yes    answer the questions with Yes (global option)
Exit 0 only when every file is back.
Example:
  feldspan-cli --device /dev/ttyUSB0 --yes defrag</source>
        <translation>Копирует все файлы из D:\Fonts, D:\Lookup и D:\Program в папку проекта, проверяет
копии, форматирует D: и отправляет их обратно. D: форматируется, только когда каждая копия
полна; прерванный запуск завершается из копий, без повторного форматирования.
  --yes    отвечать «Да» на вопросы (общий параметр)
Код выхода 0, только когда все файлы возвращены.
Example:
  feldspan-cli --device /dev/ttyUSB0 --yes defrag</translation>
    </message>
    <message id="cli.help.doctor">
        <source>Checks serial port access, the udev rules, ModemManager, programs holding the port,
the USB-serial latency timer, USB access for cradle updates and a Chinese font.
Exit 0 when all is well, 1 when something needs fixing.
  --json   the checks as JSON
Example:
  feldspan-cli doctor</source>
        <translation>Проверяет доступ к последовательному порту, правила udev, ModemManager, программы, занявшие порт,
таймер задержки USB-последовательного адаптера, доступ USB для обновления подставки и китайский шрифт.
Код 0, если всё в порядке, 1, если что-то нужно исправить.
  --json   проверки в JSON
Example:
  feldspan-cli doctor</translation>
    </message>
    <message id="cli.help.dump">
        <source>  C|D   the drive
  OUT   a file, or a folder for the image's own name (default: the project folder)
Example:
  feldspan-cli dump C ~/images/</source>
        <translation>  C|D   диск
  OUT   файл или папка для образа под его собственным именем (по умолчанию: папка проекта)
Example:
  feldspan-cli dump C ~/images/</translation>
    </message>
    <message id="cli.help.firmware">
        <source>  KERNEL.bin   the kernel image; drives C: and D: are erased first (asks)
Example:
  feldspan-cli --device /dev/ttyUSB0 firmware KERNEL.bin</source>
        <translation>  KERNEL.bin   образ ядра; диски C: и D: сначала стираются (спрашивает)
Example:
  feldspan-cli --device /dev/ttyUSB0 firmware KERNEL.bin</translation>
    </message>
    <message id="cli.help.font">
        <source>  FILE.sft   a language-support font (&quot;@oemb-*.sft&quot;, an 8.3 name), sent into D:\Fonts
Exit 0 only when the terminal stored it.
Example:
  feldspan-cli --device /dev/ttyUSB0 font @oemb-tc.sft</source>
        <translation>  FILE.sft   шрифт языковой поддержки (&quot;@oemb-*.sft&quot;, имя 8.3), отправляется в D:\Fonts
Код выхода 0, только когда терминал сохранил его.
Example:
  feldspan-cli --device /dev/ttyUSB0 font @oemb-tc.sft</translation>
    </message>
    <message id="cli.help.footer">
        <source>Run 'feldspan-cli COMMAND --help' for a command's arguments and an example.
Exit codes: 0 success, 1 failure (the reason is on stderr), 2 usage error.</source>
        <translation>'feldspan-cli COMMAND --help' показывает аргументы команды и пример.
Коды выхода: 0 успех, 1 ошибка (причина в stderr), 2 ошибка использования.</translation>
    </message>
    <message id="cli.help.format">
        <source>  C:|D:   the drive to format (asks first; --yes answers)
Example:
  feldspan-cli format C:</source>
        <translation>  C:|D:   диск для форматирования (сначала спрашивает; --yes отвечает)
Example:
  feldspan-cli format C:</translation>
    </message>
    <message id="cli.help.get">
        <source>  TERMINAL_PATH   e.g. C:\Data\DATA1.TXT ('/' may stand for '\')
  LOCAL_PATH      a file, or a folder for the terminal file's name
Example:
  feldspan-cli get C:/Data/DATA1.TXT data1.txt</source>
        <translation>  TERMINAL_PATH   напр. C:\Data\DATA1.TXT ('/' может заменять '\')
  LOCAL_PATH      файл или папка для файла под именем с терминала
Example:
  feldspan-cli get C:/Data/DATA1.TXT data1.txt</translation>
    </message>
    <message id="cli.help.info">
        <source>  --json   the result as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 info --json</source>
        <translation>  --json   результат в JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 info --json</translation>
    </message>
    <message id="cli.help.ls">
        <source>  FOLDER   a terminal folder, e.g. C:\Data
  --json   the entries as JSON
Example:
  feldspan-cli ls C:/Data</source>
        <translation>  FOLDER   папка терминала, напр. C:\Data
  --json   записи в JSON
Example:
  feldspan-cli ls C:/Data</translation>
    </message>
    <message id="cli.help.ping">
        <source>Opens the port and checks that the terminal answers.
  --json   the result as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 ping</source>
        <translation>Открывает порт и проверяет, отвечает ли терминал.
  --json   результат в JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 ping</translation>
    </message>
    <message id="cli.help.ports">
        <source>Lists the serial ports with their USB ids, descriptions and serial numbers; the
terminals the UsbIds setting names are marked.
  --usb    only USB serial ports, and the one --usb would connect to
  --json   the ports as JSON
Example:
  feldspan-cli ports --json</source>
        <translation>Выводит последовательные порты с их идентификаторами USB, описаниями и серийными номерами;
терминалы, названные в настройке UsbIds, отмечены.
  --usb    только порты USB и тот, к которому подключится --usb
  --json   порты в JSON
Example:
  feldspan-cli ports --json</translation>
    </message>
    <message id="cli.help.put">
        <source>  LOCAL_FILE        an ordinary file with an 8.3 name
  TERMINAL_FOLDER   e.g. C:\Data
Example:
  feldspan-cli put stock.dat C:/Data</source>
        <translation>  LOCAL_FILE        обычный файл с именем 8.3
  TERMINAL_FOLDER   напр. C:\Data
Example:
  feldspan-cli put stock.dat C:/Data</translation>
    </message>
    <message id="cli.help.receive">
        <source>  NAME...   data files of C:\Data
  --to DIR  the folder to save into (default: the Receive folder of the settings)
  --json    the files received as JSON
Example:
  feldspan-cli receive DATA1.TXT --to ~/scans --drop-cr</source>
        <translation>  NAME...   файлы данных из C:\Data
  --to DIR  папка для сохранения (по умолчанию: папка приёма из настроек)
  --json    принятые файлы в JSON
Example:
  feldspan-cli receive DATA1.TXT --to ~/scans --drop-cr</translation>
    </message>
    <message id="cli.help.rm">
        <source>  TERMINAL_PATH...   files (or empty folders) on the terminal
Example:
  feldspan-cli rm C:/Data/DATA1.TXT</source>
        <translation>  TERMINAL_PATH...   файлы (или пустые папки) на терминале
Example:
  feldspan-cli rm C:/Data/DATA1.TXT</translation>
    </message>
    <message id="cli.help.send">
        <source>  PROJECT.ini...     project files (none: the one Builder.ini hands over)
  --skip-unchanged   skip each file the terminal holds with the same name, size,
                     date and time (its folders are listed first)
  --json             the files sent as JSON
After the send the terminal's folders are listed again: a file that is not there
at the size it was sent with fails the send.
Example:
  feldspan-cli send --skip-unchanged samples/FeldBuilder/Project/SAMPLE/SAMPLE.ini</source>
        <translation>  PROJECT.ini...     файлы проектов (без них: тот, что передан в Builder.ini)
  --skip-unchanged   пропускать каждый файл, который есть на терминале с тем же именем,
                     размером, датой и временем (сначала берутся списки его папок)
  --json             отправленные файлы в виде JSON
После отправки списки папок терминала берутся снова: файл, которого там нет
в отправленном размере, означает неудачную отправку.
Example:
  feldspan-cli send --skip-unchanged samples/FeldBuilder/Project/SAMPLE/SAMPLE.ini</translation>
    </message>
    <message id="cli.json.failed">
        <source>%s failed</source>
        <translation>%s не выполнено</translation>
    </message>
    <message id="cli.json.usage">
        <source>wrong arguments; usage: feldspan-cli %s</source>
        <translation>неверные аргументы; использование: feldspan-cli %s</translation>
    </message>
    <message id="cli.noDiskInfoWhy">
        <source>the terminal did not report its disk information</source>
        <translation>терминал не сообщил сведения о дисках</translation>
    </message>
    <message id="cli.noFontHandOver">
        <source>this front end cannot hand the font file to the download</source>
        <translation>этот интерфейс не может передать файл шрифта для загрузки</translation>
    </message>
    <message id="cli.noKernelHandOver">
        <source>this front end cannot hand the kernel file to the update</source>
        <translation>этот интерфейс не может передать файл ядра для обновления</translation>
    </message>
    <message id="cli.noSuchEntry">
        <source>%s: no such file or folder on the terminal</source>
        <translation>%s: на терминале нет такого файла или папки</translation>
    </message>
    <message id="cli.noSuchFileOrFull">
        <source>%s: no such file on the terminal (or a folder that is not empty)</source>
        <translation>%s: на терминале нет такого файла (или папка не пуста)</translation>
    </message>
    <message id="cli.notFetched">
        <source>%s was not fetched</source>
        <translation>%s не получен</translation>
    </message>
    <message id="cli.notFetchedExists">
        <source>not fetched: %s exists (use --yes to replace it)</source>
        <translation>не получен: %s уже существует (чтобы заменить, укажите --yes)</translation>
    </message>
    <message id="cli.notFormatted">
        <source>%s: the drive is not formatted</source>
        <translation>%s: диск не отформатирован</translation>
    </message>
    <message id="cli.notFormattedDrive">
        <source>drive %s was not formatted</source>
        <translation>диск %s не отформатирован</translation>
    </message>
    <message id="cli.notListed">
        <source>could not list %s on the terminal</source>
        <translation>не удалось получить список %s на терминале</translation>
    </message>
    <message id="cli.notRemoved">
        <source>could not remove %s</source>
        <translation>не удалось удалить %s</translation>
    </message>
    <message id="cli.notSent">
        <source>%s was not sent</source>
        <translation>%s не отправлен</translation>
    </message>
    <message id="cli.notSentExists">
        <source>not sent: %s exists on the terminal (use --yes to overwrite)</source>
        <translation>не отправлен: %s уже есть на терминале (чтобы перезаписать, укажите --yes)</translation>
    </message>
    <message id="cli.notTerminalPath">
        <source>'%s' is not a path on the terminal (%s); write it as C:\Data\NAME.TXT</source>
        <translation>'%s' — не путь на терминале (%s); пишите его как C:\Data\NAME.TXT</translation>
    </message>
    <message id="cli.opt.baud">
        <source>Line speed in bit/s, for this run: one of %s.</source>
        <translation>Скорость линии в бит/с на этот запуск: одна из %s.</translation>
    </message>
    <message id="cli.opt.device">
        <source>The terminal's serial device, for this run (e.g. /dev/ttyUSB0).</source>
        <translation>Последовательное устройство терминала на этот запуск (напр. /dev/ttyUSB0).</translation>
    </message>
    <message id="cli.opt.help">
        <source>Show this help, or a command's.</source>
        <translation>Показать эту справку или справку команды.</translation>
    </message>
    <message id="cli.opt.settings">
        <source>Use this INI file instead of the user's settings.</source>
        <translation>Использовать этот файл INI вместо настроек пользователя.</translation>
    </message>
    <message id="cli.opt.usb">
        <source>Connect over USB, for this run.</source>
        <translation>Подключиться через USB на этот запуск.</translation>
    </message>
    <message id="cli.opt.verbose">
        <source>Show status, port and debug lines (QT_LOGGING_RULES picks single ones).</source>
        <translation>Показывать строки состояния, порта и отладки (QT_LOGGING_RULES выбирает отдельные).</translation>
    </message>
    <message id="cli.opt.version">
        <source>Show the version.</source>
        <translation>Показать версию.</translation>
    </message>
    <message id="cli.opt.yes">
        <source>Answer Yes/OK to every question.</source>
        <translation>Отвечать Да/ОК на каждый вопрос.</translation>
    </message>
    <message id="cli.ports.serial">
        <source>serial %s</source>
        <translation>серийный номер %s</translation>
    </message>
    <message id="cli.ports.terminal">
        <source>[terminal]</source>
        <translation>[терминал]</translation>
    </message>
    <message id="cli.refusedName">
        <source>%s: the terminal refused the name or path</source>
        <translation>%s: терминал отклонил имя или путь</translation>
    </message>
    <message id="cli.replaceLocal">
        <source>%s exists on this PC. Replace it?</source>
        <translation>%s уже есть на этом компьютере. Заменить?</translation>
    </message>
    <message id="cli.send.keptWhy">
        <source>the file exists on the terminal and was not overwritten</source>
        <translation>файл уже есть на терминале и не был перезаписан</translation>
    </message>
    <message id="cli.send.missing">
        <source>the project Builder.ini hands over is not there: </source>
        <translation>проект, указанный в Builder.ini, не найден: </translation>
    </message>
    <message id="cli.send.none">
        <source>no project given, and the project folder's Builder.ini hands none over</source>
        <translation>проект не указан, и Builder.ini в папке проектов не указывает ни одного</translation>
    </message>
    <message id="cli.unknownKey">
        <source>unknown key '%s' (run 'feldspan-cli config' to list the keys)</source>
        <translation>неизвестный ключ '%s' (список ключей выводит 'feldspan-cli config')</translation>
    </message>
    <message id="cli.unsafeName">
        <source>the terminal name '%s' cannot be used as a file name here; give a local file name</source>
        <translation>имя с терминала '%s' нельзя использовать здесь как имя файла; укажите имя локального файла</translation>
    </message>
    <message id="cli.usageHint">
        <source>usage: feldspan-cli [OPTIONS] COMMAND [ARGS...] ('feldspan-cli --help' lists the options and commands)</source>
        <translation>использование: feldspan-cli [OPTIONS] COMMAND [ARGS...] ('feldspan-cli --help' выводит параметры и команды)</translation>
    </message>
    <message id="close.busy">
        <source>正在與終端機傳輸資料。要取消傳輸並結束程式嗎?</source>
        <translation>Идёт обмен данными с терминалом. Прервать передачу и выйти из программы?</translation>
    </message>
    <message id="cmd.about">
        <source>關於Feldspan...</source>
        <translation>&amp;О программе FeldSpan...</translation>
    </message>
    <message id="cmd.aboutCradle">
        <source>關於充電座...</source>
        <translation>О &amp;подставке...</translation>
    </message>
    <message id="cmd.addCr">
        <source>加入 &lt;Carriage-Return&gt; 字元</source>
        <translation>Добавлять символ &lt;Carriage-Return&gt;</translation>
    </message>
    <message id="cmd.addLf">
        <source>加入 &lt;Line-Feed&gt; 字元</source>
        <translation>Добавлять символ &lt;Line-Feed&gt;</translation>
    </message>
    <message id="cmd.addProject">
        <source>加入</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message id="cmd.advancedMode">
        <source>進階模式</source>
        <translation>&amp;Расширенный режим</translation>
    </message>
    <message id="cmd.cradleUpdate">
        <source>更新充電座韌體</source>
        <translation>Обновить прошивку подставки</translation>
    </message>
    <message id="cmd.defragment">
        <source>磁碟 D: 重組</source>
        <translation>Дефрагментация D:</translation>
    </message>
    <message id="cmd.deleteAfter">
        <source>刪除檔案</source>
        <translation>Удалять файл</translation>
    </message>
    <message id="cmd.exit">
        <source>離開</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message id="cmd.firmware">
        <source>F/W 更新</source>
        <translation>Обновление F/W</translation>
    </message>
    <message id="cmd.firmwareButton">
        <source>更新新版韌體</source>
        <translation>Обновить до новой прошивки</translation>
    </message>
    <message id="cmd.formatC">
        <source>格式化 C:</source>
        <translation>Форматировать C:</translation>
    </message>
    <message id="cmd.formatD">
        <source>格式化 D:</source>
        <translation>Форматировать D:</translation>
    </message>
    <message id="cmd.help">
        <source>說明</source>
        <translation>&amp;Справка</translation>
    </message>
    <message id="cmd.languageDownload">
        <source>語系支援下載</source>
        <translation>Загрузка языковой поддержки</translation>
    </message>
    <message id="cmd.languageSystem">
        <source>依系統設定</source>
        <translation>Язык системы</translation>
    </message>
    <message id="cmd.later">
        <source>這個指令尚未提供</source>
        <translation>Эта команда пока недоступна</translation>
    </message>
    <message id="cmd.newProject">
        <source>新增一個專案</source>
        <translation>Добавить новый проект</translation>
    </message>
    <message id="cmd.portSerial">
        <source>序列埠</source>
        <translation>Последовательный порт</translation>
    </message>
    <message id="cmd.portSettings">
        <source>連接埠設定</source>
        <translation>Настройки порта</translation>
    </message>
    <message id="cmd.portUsb">
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message id="cmd.projectMode">
        <source>專案模式</source>
        <translation>Режим &amp;проектов</translation>
    </message>
    <message id="cmd.receive">
        <source>接收</source>
        <translation>Принять</translation>
    </message>
    <message id="cmd.residentSettings">
        <source>設定</source>
        <translation>Настройки</translation>
    </message>
    <message id="config.badStored">
        <source>bad value %s for %s in %s (it takes %s); using the default %s</source>
        <translation>неверное значение %s для %s в %s (допустимо: %s); используется значение по умолчанию %s</translation>
    </message>
    <message id="config.badValue">
        <source>%s takes %s, not &quot;%s&quot;</source>
        <translation>%s принимает %s, а не &quot;%s&quot;</translation>
    </message>
    <message id="config.cannotWrite">
        <source>cannot write the settings to %s: %s</source>
        <translation>не удалось записать настройки в %s: %s</translation>
    </message>
    <message id="config.empty">
        <source>%s cannot be empty</source>
        <translation>%s не может быть пустым</translation>
    </message>
    <message id="config.ini.line">
        <source>line %s: &quot;%s&quot; is neither a KEY=VALUE line, a [section] nor a comment</source>
        <translation>строка %s: &quot;%s&quot; — не строка KEY=VALUE, не [раздел] и не комментарий</translation>
    </message>
    <message id="config.ini.open">
        <source>line %s: &quot;%s&quot; runs to the end of the file (a quote not closed, or a backslash at the end of the last line)</source>
        <translation>строка %s: &quot;%s&quot; тянется до конца файла (не закрыта кавычка или обратная косая черта в конце последней строки)</translation>
    </message>
    <message id="config.ini.readBack">
        <source>the changed settings would not read back (%s)</source>
        <translation>изменённые настройки не удалось бы прочитать обратно (%s)</translation>
    </message>
    <message id="config.ini.section">
        <source>line %s: the section header &quot;%s&quot; has no closing &quot;]&quot;</source>
        <translation>строка %s: у заголовка раздела &quot;%s&quot; нет закрывающей &quot;]&quot;</translation>
    </message>
    <message id="config.none">
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message id="config.notSettings">
        <source>not changing the settings: %s is not a valid settings file (%s)</source>
        <translation>настройки не изменены: %s — не файл настроек (%s)</translation>
    </message>
    <message id="config.programsOwn">
        <source>%s is written by the program itself</source>
        <translation>%s записывает сама программа</translation>
    </message>
    <message id="config.projectNotWritable">
        <source>The project folder %s cannot be written to (%s): files from the terminal cannot be kept there. Make it writable, or choose another project folder.</source>
        <translation>В папку проекта %s нельзя записывать (%s): файлы с терминала не могут в ней храниться. Разрешите запись в неё или выберите другую папку проекта.</translation>
    </message>
    <message id="config.store.access">
        <source>the file cannot be written (check its permissions and the free space)</source>
        <translation>не удалось записать файл (проверьте права доступа и свободное место)</translation>
    </message>
    <message id="config.store.create">
        <source>cannot create a file in %s</source>
        <translation>не удалось создать файл в %s</translation>
    </message>
    <message id="config.store.folder">
        <source>cannot create the folder %s</source>
        <translation>не удалось создать папку %s</translation>
    </message>
    <message id="config.store.format">
        <source>the file is not a valid settings file</source>
        <translation>файл не является файлом настроек</translation>
    </message>
    <message id="config.store.lockFile">
        <source>cannot create the lock file %s.lock</source>
        <translation>не удалось создать файл блокировки %s.lock</translation>
    </message>
    <message id="config.store.locked">
        <source>another program keeps the settings locked (%s.lock)</source>
        <translation>настройки заблокированы другой программой (%s.lock)</translation>
    </message>
    <message id="config.store.notAsIntended">
        <source>the changed settings did not read back as intended; %s was left as it was</source>
        <translation>изменённые настройки прочитались не так, как задумано; %s оставлен без изменений</translation>
    </message>
    <message id="config.store.notFile">
        <source>%s is not a regular file</source>
        <translation>%s — не обычный файл</translation>
    </message>
    <message id="config.store.read">
        <source>cannot read %s</source>
        <translation>не удалось прочитать %s</translation>
    </message>
    <message id="config.store.readBack">
        <source>cannot read back %s</source>
        <translation>не удалось прочитать обратно %s</translation>
    </message>
    <message id="config.store.resolve">
        <source>%s cannot be resolved</source>
        <translation>не удалось разрешить путь %s</translation>
    </message>
    <message id="config.store.unknown">
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message id="config.store.write">
        <source>cannot write %s</source>
        <translation>не удалось записать %s</translation>
    </message>
    <message id="config.takes.flag">
        <source>0 or 1</source>
        <translation>0 или 1</translation>
    </message>
    <message id="config.takes.number">
        <source>a whole number</source>
        <translation>целое число</translation>
    </message>
    <message id="config.takes.oneOf">
        <source>one of %s</source>
        <translation>одно из значений %s</translation>
    </message>
    <message id="config.takes.range">
        <source>a whole number from %d to %d</source>
        <translation>целое число от %d до %d</translation>
    </message>
    <message id="config.takes.text">
        <source>a text</source>
        <translation>текст</translation>
    </message>
    <message id="config.takes.time">
        <source>a time in seconds since 1970 (a 32-bit number)</source>
        <translation>время в секундах с 1970 года (32-битное число)</translation>
    </message>
    <message id="config.takes.usbIds">
        <source>a list of VENDOR:PRODUCT hex ids separated by commas</source>
        <translation>список шестнадцатеричных идентификаторов VENDOR:PRODUCT через запятую</translation>
    </message>
    <message id="config.unknownKey">
        <source>unknown key: %s</source>
        <translation>неизвестный ключ: %s</translation>
    </message>
    <message id="cradle.browse">
        <source>瀏覽</source>
        <translation>Обзор</translation>
    </message>
    <message id="cradle.byteOutside">
        <source>the byte at %s lies outside the area the update writes (%s) and is not written</source>
        <translation>байт по адресу %s лежит вне области, которую записывает обновление (%s), и не будет записан</translation>
    </message>
    <message id="cradle.bytesOutside">
        <source>bytes at %s lie outside the area the update writes (%s) and are not written</source>
        <translation>байты по адресам %s лежат вне области, которую записывает обновление (%s), и не будут записаны</translation>
    </message>
    <message id="cradle.cancel">
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message id="cradle.cannotWriteImageWhy">
        <source>cannot write the image to %s (%s)</source>
        <translation>не удаётся записать образ в %s (%s)</translation>
    </message>
    <message id="cradle.device">
        <source>DFU 裝置:</source>
        <translation>Устройство DFU:</translation>
    </message>
    <message id="cradle.dfuStatusWords">
        <source>the cradle reported DFU status %u</source>
        <translation>подставка сообщила состояние DFU %u</translation>
    </message>
    <message id="cradle.failedAtEnd">
        <source>the cradle update failed at its end: every block was written, but the cradle did not take the new firmware, %s. The cradle may not start until an update completes: run the update again</source>
        <translation>обновление подставки не удалось в самом конце: все блоки записаны, но подставка не приняла новую прошивку, %s. Подставка может не запуститься, пока обновление не завершится: запустите обновление ещё раз</translation>
    </message>
    <message id="cradle.failedInPhase">
        <source>the cradle update failed in phase %d, %s</source>
        <translation>обновление подставки не удалось на этапе %d, %s</translation>
    </message>
    <message id="cradle.file.at">
        <source>byte %u (line %u)</source>
        <translation>байт %u (строка %u)</translation>
    </message>
    <message id="cradle.file.cannotOpen">
        <source>cannot open %s: %s</source>
        <translation>не удалось открыть %s: %s</translation>
    </message>
    <message id="cradle.file.cannotRead">
        <source>cannot read %s</source>
        <translation>не удалось прочитать %s</translation>
    </message>
    <message id="cradle.file.checksum">
        <source>checksum %s does not match the record's bytes, which give %s: the record is damaged</source>
        <translation>контрольная сумма %s не совпадает с байтами записи, по которым выходит %s: запись повреждена</translation>
    </message>
    <message id="cradle.file.countHigh">
        <source>S1 byte count %u is above 35</source>
        <translation>счётчик байтов S1 %u больше 35</translation>
    </message>
    <message id="cradle.file.countLow">
        <source>S1 byte count %u leaves no room for the address and checksum</source>
        <translation>счётчик байтов S1 %u не оставляет места для адреса и контрольной суммы</translation>
    </message>
    <message id="cradle.file.countZero">
        <source>byte count 0 leaves no room for the checksum</source>
        <translation>счётчик байтов 0 не оставляет места для контрольной суммы</translation>
    </message>
    <message id="cradle.file.crc">
        <source>CRC mismatch: the suffix holds %s, the file's bytes give %s</source>
        <translation>несовпадение CRC: в суффиксе %s, по байтам файла получается %s</translation>
    </message>
    <message id="cradle.file.end">
        <source>the end of the records</source>
        <translation>конец записей</translation>
    </message>
    <message id="cradle.file.lowAddress">
        <source>address %s is below 0x1000</source>
        <translation>адрес %s меньше 0x1000</translation>
    </message>
    <message id="cradle.file.noCount">
        <source>truncated before its byte count</source>
        <translation>обрывается до счётчика байтов</translation>
    </message>
    <message id="cradle.file.noS">
        <source>does not begin with 'S'</source>
        <translation>не начинается с 'S'</translation>
    </message>
    <message id="cradle.file.noSuffix">
        <source>no DFU suffix at the end of the file (its last 16 bytes do not end in the &quot;UFD&quot; signature)</source>
        <translation>в конце файла нет суффикса DFU (его последние 16 байт не заканчиваются подписью &quot;UFD&quot;)</translation>
    </message>
    <message id="cradle.file.notHex">
        <source>character %s is not an upper-case hex digit</source>
        <translation>символ %s — не заглавная шестнадцатеричная цифра</translation>
    </message>
    <message id="cradle.file.notHexAtAll">
        <source>character %s is not a hex digit</source>
        <translation>символ %s — не шестнадцатеричная цифра</translation>
    </message>
    <message id="cradle.file.pastEnd">
        <source>data at %s runs past 0xFFFF (%u bytes)</source>
        <translation>данные по адресу %s выходят за 0xFFFF (%u байт)</translation>
    </message>
    <message id="cradle.file.record">
        <source>record at %s: %s</source>
        <translation>запись в позиции %s: %s</translation>
    </message>
    <message id="cradle.file.release">
        <source>the suffix names DFU release %s, not 0x0100</source>
        <translation>суффикс указывает версию DFU %s, а не 0x0100</translation>
    </message>
    <message id="cradle.file.short">
        <source>the file is %u bytes long, shorter than the 16-byte DFU suffix</source>
        <translation>длина файла %u байт — меньше 16-байтового суффикса DFU</translation>
    </message>
    <message id="cradle.file.suffixLength">
        <source>the suffix length is %u, not 16</source>
        <translation>длина суффикса %u, а не 16</translation>
    </message>
    <message id="cradle.file.tooLarge">
        <source>%s is larger than %u MiB; a cradle firmware file is far smaller</source>
        <translation>%s больше %u МиБ; файл прошивки подставки гораздо меньше</translation>
    </message>
    <message id="cradle.file.truncated">
        <source>truncated: %u bytes announced, %u present (or an odd number of digits)</source>
        <translation>обрывается: объявлено %u байт, есть %u (или нечётное число цифр)</translation>
    </message>
    <message id="cradle.file.type">
        <source>unknown record type S%c</source>
        <translation>неизвестный тип записи S%c</translation>
    </message>
    <message id="cradle.file.wideAddress">
        <source>S%c records carry addresses beyond the 64 KiB image</source>
        <translation>записи S%c содержат адреса за пределами 64-КиБ образа</translation>
    </message>
    <message id="cradle.fileName">
        <source>檔案名稱:</source>
        <translation>Имя файла:</translation>
    </message>
    <message id="cradle.fileProblem">
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message id="cradle.imageExists">
        <source>not written: %s exists (use --yes to replace it)</source>
        <translation>не записано: %s существует (используйте --yes, чтобы заменить его)</translation>
    </message>
    <message id="cradle.noDevice">
        <source>there is no DFU device %d ('cradle list' shows the devices)</source>
        <translation>нет устройства DFU %d (список устройств выводит 'cradle list')</translation>
    </message>
    <message id="cradle.noVersionCommand">
        <source>cradle version: not available in this build</source>
        <translation>cradle version: недоступно в этой сборке</translation>
    </message>
    <message id="cradle.phase.finish">
        <source>Finishing</source>
        <translation>Завершение</translation>
    </message>
    <message id="cradle.phase.prepare">
        <source>Preparing the cradle</source>
        <translation>Подготовка подставки</translation>
    </message>
    <message id="cradle.phase.start">
        <source>Starting the firmware write</source>
        <translation>Начало записи прошивки</translation>
    </message>
    <message id="cradle.phase.write">
        <source>Writing the firmware</source>
        <translation>Запись прошивки</translation>
    </message>
    <message id="cradle.progressTitle">
        <source>Cradle firmware update</source>
        <translation>Обновление прошивки подставки</translation>
    </message>
    <message id="cradle.ranges.and">
        <source> and </source>
        <translation> и </translation>
    </message>
    <message id="cradle.ranges.more">
        <source> and %u more ranges</source>
        <translation> и ещё %u диапазонов</translation>
    </message>
    <message id="cradle.start">
        <source>開始更新</source>
        <translation>Начать обновление</translation>
    </message>
    <message id="cradle.title">
        <source>充電座韌體更新</source>
        <translation>Обновление прошивки подставки</translation>
    </message>
    <message id="cradle.usb.access">
        <source>%s - the system denies this user access to the cradle; install a udev rule such as SUBSYSTEM==&quot;usb&quot;, ATTR{bInterfaceClass}==&quot;fe&quot;, TAG+=&quot;uaccess&quot; in /etc/udev/rules.d/70-feldspan-cradle.rules (or add your user to the group that owns the device), then reconnect the cradle</source>
        <translation>%s - система не даёт этому пользователю доступа к подставке; установите правило udev, например SUBSYSTEM==&quot;usb&quot;, ATTR{bInterfaceClass}==&quot;fe&quot;, TAG+=&quot;uaccess&quot; в /etc/udev/rules.d/70-feldspan-cradle.rules (или добавьте пользователя в группу, владеющую устройством), затем переподключите подставку</translation>
    </message>
    <message id="cradle.usb.busy">
        <source>%s - another program uses the cradle's DFU interface</source>
        <translation>%s - интерфейс DFU подставки занят другой программой</translation>
    </message>
    <message id="cradle.usb.gone">
        <source>%s - the cradle was disconnected; reconnect it and list the devices again</source>
        <translation>%s - подставка отключена; подключите её снова и заново выведите список устройств</translation>
    </message>
    <message id="cradle.usb.noDevice">
        <source>no DFU device %u in the last listing</source>
        <translation>в последнем списке нет устройства DFU %u</translation>
    </message>
    <message id="cradle.usb.noReturn">
        <source>DFU_DETACH: the cradle did not come back in DFU mode within %d ms</source>
        <translation>DFU_DETACH: подставка не вернулась в режим DFU за %d мс</translation>
    </message>
    <message id="cradle.usb.stall">
        <source>%s (the device stalled the request)</source>
        <translation>%s (устройство отвергло запрос)</translation>
    </message>
    <message id="cradle.useOtherFile">
        <source>%s: %s. Use a firmware file made for this cradle ('feldspan-cli cradle check %s' shows where a file's bytes lie)</source>
        <translation>%s: %s. Используйте файл прошивки для этой подставки ('feldspan-cli cradle check %s' показывает, где лежат байты файла)</translation>
    </message>
    <message id="cradle.writesNothing">
        <source>%s: no byte lies in 0x8000-0xEFFF, where every update writes: an update would erase the cradle's firmware and write nothing, so it refuses this file. Use a firmware file made for the cradle</source>
        <translation>%s: ни один байт не лежит в диапазоне 0x8000-0xEFFF, который записывает любое обновление: обновление стёрло бы прошивку подставки и ничего не записало, поэтому файл отклонён. Используйте файл прошивки для подставки</translation>
    </message>
    <message id="defrag.badEntry">
        <source>%s 無法複製到本機(名稱或種類不符),磁碟機 D: 沒有被變更。</source>
        <translation>%s нельзя скопировать на этот ПК (имя или тип не позволяют); диск D: не изменён.</translation>
    </message>
    <message id="defrag.badManifest">
        <source>無法讀取資料重組清單 %s(%s)。複本仍保留在 %s,沒有任何檔案被變更。</source>
        <translation>Не удаётся прочитать список дефрагментации %s (%s). Копии остаются в %s; ничего не изменено.</translation>
    </message>
    <message id="defrag.cannotWrite">
        <source>無法寫入 %s(%s),磁碟機 D: 沒有被格式化。</source>
        <translation>Не удаётся записать %s (%s); диск D: не отформатирован.</translation>
    </message>
    <message id="defrag.copyFailed">
        <source>%s 無法完整複製到本機(%s),磁碟機 D: 沒有被格式化。</source>
        <translation>%s не удалось полностью скопировать на этот ПК (%s); диск D: не отформатирован.</translation>
    </message>
    <message id="defrag.folderEntry">
        <source>%s 內有資料夾 %s。資料重組只複製檔案,請先移走或刪除這個資料夾。磁碟機 D: 沒有被變更。</source>
        <translation>В %s есть папка %s. Дефрагментация копирует только файлы: сначала переместите или удалите эту папку. Диск D: не изменён.</translation>
    </message>
    <message id="defrag.keptCopies">
        <source>%d 個檔案沒有傳回磁碟機 D:。它們的複本保留在 %s(清單 %s);再執行一次資料重組即可把它們傳回,D: 不會再被格式化。</source>
        <translation>Файлов, не вернувшихся на диск D:: %d. Их копии хранятся в %s (список: %s); запустите дефрагментацию ещё раз, чтобы вернуть их (D: повторно не форматируется).</translation>
    </message>
    <message id="defrag.noDiskInfo">
        <source>終端機沒有回報磁碟資訊,磁碟機 D: 沒有被變更。</source>
        <translation>Терминал не сообщил сведения о дисках; диск D: не изменён.</translation>
    </message>
    <message id="defrag.noDiskInfoResume">
        <source>終端機沒有回報磁碟資訊,複本仍保留在原處。</source>
        <translation>Терминал не сообщил сведения о дисках; копии остаются на месте.</translation>
    </message>
    <message id="defrag.noFolder">
        <source>無法建立資料夾 %s(%s),磁碟機 D: 沒有被變更。</source>
        <translation>Не удаётся создать папку %s (%s); диск D: не изменён.</translation>
    </message>
    <message id="defrag.noRoom">
        <source>本機空間不足:%s 需要 %s 位元組存放複本,只剩 %s 位元組。磁碟機 D: 沒有被變更。</source>
        <translation>Недостаточно места на этом ПК: в %s для копий нужно %s байт, свободно только %s. Диск D: не изменён.</translation>
    </message>
    <message id="defrag.noSpaceInfo">
        <source>無法得知 %s 的可用空間(%s),磁碟機 D: 沒有被變更。</source>
        <translation>Не удаётся узнать свободное место в %s (%s); диск D: не изменён.</translation>
    </message>
    <message id="defrag.notBack">
        <source>%s 沒有傳回磁碟機 D:(%s),複本保留在 %s</source>
        <translation>%s не вернулся на диск D: (%s); его копия хранится в %s</translation>
    </message>
    <message id="defrag.notListed">
        <source>無法列出 %s(%s),磁碟機 D: 沒有被變更。</source>
        <translation>Не удаётся получить список %s (%s); диск D: не изменён.</translation>
    </message>
    <message id="defrag.notSent">
        <source>終端機沒有送出這個檔案</source>
        <translation>терминал его не отправил</translation>
    </message>
    <message id="defrag.resume">
        <source>上次的資料重組沒有完成:%d 個檔案的複本仍保留在 %s。要把它們傳回磁碟機 D: 嗎?(D: 不會再被格式化)</source>
        <translation>Прерванная дефрагментация не завершена: копии файлов (%d) всё ещё хранятся в %s. Вернуть их на диск D: сейчас? (D: повторно не форматируется.)</translation>
    </message>
    <message id="defrag.sizeMismatch">
        <source>讀回 %s 位元組,終端機列出 %s 位元組</source>
        <translation>прочитано %s байт, терминал указал %s</translation>
    </message>
    <message id="dfu.AccessDenied">
        <source>access to the device was denied</source>
        <translation>доступ к устройству запрещён</translation>
    </message>
    <message id="dfu.BadParameter">
        <source>a parameter is missing or out of range</source>
        <translation>параметр отсутствует или вне допустимого диапазона</translation>
    </message>
    <message id="dfu.ClaimFailed">
        <source>the DFU interface could not be claimed</source>
        <translation>не удалось захватить интерфейс DFU</translation>
    </message>
    <message id="dfu.DescriptorError">
        <source>the device descriptor could not be read</source>
        <translation>не удалось прочитать дескриптор устройства</translation>
    </message>
    <message id="dfu.DeviceGone">
        <source>the device is no longer attached</source>
        <translation>устройство больше не подключено</translation>
    </message>
    <message id="dfu.InitFailed">
        <source>the USB library could not be initialised</source>
        <translation>не удалось инициализировать библиотеку USB</translation>
    </message>
    <message id="dfu.NoDfuDescriptor">
        <source>the device has no DFU functional descriptor</source>
        <translation>у устройства нет функционального дескриптора DFU</translation>
    </message>
    <message id="dfu.NoReturn">
        <source>the device did not come back in DFU mode after the detach</source>
        <translation>устройство не вернулось в режим DFU после отсоединения</translation>
    </message>
    <message id="dfu.NoSuchDevice">
        <source>no DFU device at this index (list the devices again)</source>
        <translation>под этим номером нет устройства DFU (выведите список устройств заново)</translation>
    </message>
    <message id="dfu.NoThread">
        <source>the update could not be started</source>
        <translation>не удалось начать обновление</translation>
    </message>
    <message id="dfu.NotOpen">
        <source>the handle does not name an open device</source>
        <translation>дескриптор не указывает на открытое устройство</translation>
    </message>
    <message id="dfu.NothingToWrite">
        <source>the firmware file holds no byte in the area the update writes: the update would erase the cradle's firmware and write nothing, so it was refused before anything was erased</source>
        <translation>в файле прошивки нет ни одного байта в области, которую записывает обновление: обновление стёрло бы прошивку подставки и ничего не записало, поэтому оно отклонено до какого-либо стирания</translation>
    </message>
    <message id="dfu.Ok">
        <source>success</source>
        <translation>успешно</translation>
    </message>
    <message id="dfu.OpenFailed">
        <source>the device could not be opened</source>
        <translation>не удалось открыть устройство</translation>
    </message>
    <message id="dfu.RequestFailed">
        <source>the device refused the request</source>
        <translation>устройство отвергло запрос</translation>
    </message>
    <message id="dfu.ShortReply">
        <source>the device answered fewer bytes than the request needs</source>
        <translation>устройство ответило меньшим числом байтов, чем требует запрос</translation>
    </message>
    <message id="dfu.StringError">
        <source>the string descriptor could not be read</source>
        <translation>не удалось прочитать строковый дескриптор</translation>
    </message>
    <message id="dfu.Timeout">
        <source>the device did not answer in time</source>
        <translation>устройство не ответило вовремя</translation>
    </message>
    <message id="dfu.TooLarge">
        <source>the block is larger than the device's transfer size</source>
        <translation>блок больше размера передачи устройства</translation>
    </message>
    <message id="dfu.WorkerBusy">
        <source>another cradle update is running</source>
        <translation>уже идёт другое обновление подставки</translation>
    </message>
    <message id="dfu.WorkerFault">
        <source>the update stopped on an unexpected fault (out of memory or a library failure)</source>
        <translation>обновление остановилось из-за непредвиденной ошибки (нехватка памяти или сбой библиотеки)</translation>
    </message>
    <message id="dfu.other">
        <source>code %s</source>
        <translation>код %s</translation>
    </message>
    <message id="dialog.allFiles">
        <source>所有檔案 (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message id="doctor.allWell">
        <source>all well</source>
        <translation>всё в порядке</translation>
    </message>
    <message id="doctor.busy.close">
        <source>end that program (a terminal program, a modem manager, another FeldSpan) before connecting</source>
        <translation>завершите эту программу (терминальную программу, менеджер модемов, другой FeldSpan) перед подключением</translation>
    </message>
    <message id="doctor.busy.device">
        <source>look at the port in the Device Manager; plug the cradle in again</source>
        <translation>проверьте порт в диспетчере устройств; подключите подставку заново</translation>
    </message>
    <message id="doctor.busy.failed">
        <source>%s cannot be opened: %s</source>
        <translation>не удаётся открыть %s: %s</translation>
    </message>
    <message id="doctor.busy.free">
        <source>no other process has %s open</source>
        <translation>ни один другой процесс не держит %s открытым</translation>
    </message>
    <message id="doctor.busy.freeWin">
        <source>no other program holds %s</source>
        <translation>ни одна другая программа не занимает %s</translation>
    </message>
    <message id="doctor.busy.held">
        <source>%s is open in process %s</source>
        <translation>%s открыт в процессе %s</translation>
    </message>
    <message id="doctor.busy.heldWin">
        <source>%s is in use by another program</source>
        <translation>%s занят другой программой</translation>
    </message>
    <message id="doctor.busy.hidden">
        <source> (the open files of %d processes could not be looked at)</source>
        <translation> (открытые файлы %d процессов посмотреть не удалось)</translation>
    </message>
    <message id="doctor.busy.noPort">
        <source>no serial port to check</source>
        <translation>нет последовательного порта для проверки</translation>
    </message>
    <message id="doctor.busy.title">
        <source>port in use</source>
        <translation>порт занят</translation>
    </message>
    <message id="doctor.busy.unreadable">
        <source> (the open files of %d processes of other users could not be looked at; run as root to see them)</source>
        <translation> (открытые файлы %d процессов других пользователей посмотреть не удалось; запустите от root, чтобы увидеть все)</translation>
    </message>
    <message id="doctor.com.choose">
        <source>connect the cradle, then choose one of the ports here in the port settings (or give it for one run: --device COMn)</source>
        <translation>подключите подставку, затем выберите один из имеющихся портов в настройках порта (или укажите его для одного запуска: --device COMn)</translation>
    </message>
    <message id="doctor.com.missing">
        <source>the settings name %s, which does not exist (ports here: %s)</source>
        <translation>в настройках указан %s, которого нет (порты здесь: %s)</translation>
    </message>
    <message id="doctor.com.none">
        <source>this machine has no COM port now</source>
        <translation>на этом компьютере сейчас нет ни одного COM-порта</translation>
    </message>
    <message id="doctor.com.noneHere">
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message id="doctor.com.ok">
        <source>ports here: %s</source>
        <translation>порты здесь: %s</translation>
    </message>
    <message id="doctor.com.title">
        <source>COM ports</source>
        <translation>COM-порты</translation>
    </message>
    <message id="doctor.com.unreadable">
        <source>the system's list of serial ports could not be read</source>
        <translation>не удалось прочитать системный список последовательных портов</translation>
    </message>
    <message id="doctor.driver.bind">
        <source>bind the WinUSB driver to the device %s (with a driver installer such as Zadig: choose the device, then WinUSB), then plug the cradle in again</source>
        <translation>назначьте устройству %s драйвер WinUSB (установщиком драйверов, например Zadig: выберите устройство, затем WinUSB), затем подключите подставку заново</translation>
    </message>
    <message id="doctor.driver.noCradle">
        <source>no cradle waiting for an update is connected</source>
        <translation>не подключена ни одна подставка, ожидающая обновления</translation>
    </message>
    <message id="doctor.driver.none">
        <source>the cradle %s waits for an update, and no driver is bound to it</source>
        <translation>подставка %s ожидает обновления, но драйвер ей не назначен</translation>
    </message>
    <message id="doctor.driver.ok">
        <source>the cradle uses a driver the update works through: %s</source>
        <translation>подставка использует драйвер, через который работает обновление: %s</translation>
    </message>
    <message id="doctor.driver.other">
        <source>the cradle %s waits for an update, and its driver %s cannot be used for it</source>
        <translation>подставка %s ожидает обновления, но её драйвер %s для этого не подходит</translation>
    </message>
    <message id="doctor.driver.title">
        <source>USB driver for cradle updates</source>
        <translation>драйвер USB для обновления подставки</translation>
    </message>
    <message id="doctor.fixLabel">
        <source>fix:</source>
        <translation>исправление:</translation>
    </message>
    <message id="doctor.font.install">
        <source>sudo apt install fonts-wqy-microhei (or fonts-noto-cjk)</source>
        <translation>sudo apt install fonts-wqy-microhei (или fonts-noto-cjk)</translation>
    </message>
    <message id="doctor.font.missing">
        <source>no font for Chinese: the window's Chinese texts and terminal file names show as boxes</source>
        <translation>нет китайского шрифта: китайские тексты окна и имена файлов терминала видны как квадраты</translation>
    </message>
    <message id="doctor.font.ok">
        <source>found: %s</source>
        <translation>найден: %s</translation>
    </message>
    <message id="doctor.font.title">
        <source>Chinese font</source>
        <translation>китайский шрифт</translation>
    </message>
    <message id="doctor.group.denied">
        <source>%s belongs to the group %s, and this session may not open it</source>
        <translation>%s принадлежит группе %s, и этот сеанс не может его открыть</translation>
    </message>
    <message id="doctor.group.join">
        <source>sudo usermod -aG %s %s, then log out and in again (or install the udev rules, which give the user at the seat the cradle)</source>
        <translation>sudo usermod -aG %s %s, затем выйдите и войдите снова (или установите правила udev, дающие подставку пользователю за рабочим местом)</translation>
    </message>
    <message id="doctor.group.noPort">
        <source>no serial port to check: none is connected and the configured one is not there</source>
        <translation>нет последовательного порта для проверки: ни один не подключён, а настроенного нет</translation>
    </message>
    <message id="doctor.group.ok">
        <source>this session may open %s</source>
        <translation>этот сеанс может открыть %s</translation>
    </message>
    <message id="doctor.group.relogin">
        <source>you were added to %s after logging in: log out and in again (or run `newgrp %s`)</source>
        <translation>вас добавили в %s после входа: выйдите и войдите снова (или выполните `newgrp %s`)</translation>
    </message>
    <message id="doctor.group.title">
        <source>serial port access</source>
        <translation>доступ к последовательному порту</translation>
    </message>
    <message id="doctor.latency.lower">
        <source>echo 1 | sudo tee %s/%s/latency_timer (until the adapter is unplugged; for good: a udev rule with ATTR{latency_timer}=&quot;1&quot;)</source>
        <translation>echo 1 | sudo tee %s/%s/latency_timer (до отключения адаптера; навсегда: правило udev с ATTR{latency_timer}=&quot;1&quot;)</translation>
    </message>
    <message id="doctor.latency.none">
        <source>no USB-serial adapter with a latency timer is connected</source>
        <translation>не подключён USB-последовательный адаптер с таймером задержки</translation>
    </message>
    <message id="doctor.latency.ok">
        <source>1 ms on %s</source>
        <translation>1 мс на %s</translation>
    </message>
    <message id="doctor.latency.slow">
        <source>%s holds each short reply for %d ms (at 5 ms the link loses a fifth of its speed; FeldSpan asks for 1 ms while the port is open, which not every driver grants)</source>
        <translation>%s задерживает каждый короткий ответ на %d мс (при 5 мс линия теряет пятую часть скорости; FeldSpan просит 1 мс, пока порт открыт, но не каждый драйвер это позволяет)</translation>
    </message>
    <message id="doctor.latency.title">
        <source>USB-serial latency</source>
        <translation>задержка USB-последовательного адаптера</translation>
    </message>
    <message id="doctor.mm.holds">
        <source>ModemManager holds %s open</source>
        <translation>ModemManager держит открытым %s</translation>
    </message>
    <message id="doctor.mm.ignores">
        <source>running, and told to leave the USB serial ports alone</source>
        <translation>запущен, и ему указано оставить последовательные порты USB в покое</translation>
    </message>
    <message id="doctor.mm.noPort">
        <source>running; no USB serial port for it to probe now</source>
        <translation>запущен; сейчас нет USB-порта, который он мог бы опрашивать</translation>
    </message>
    <message id="doctor.mm.notRunning">
        <source>not running</source>
        <translation>не запущен</translation>
    </message>
    <message id="doctor.mm.probes">
        <source>running, and not told to leave %s alone: it may send modem commands to the terminal</source>
        <translation>запущен, и ему не указано оставить %s в покое: он может посылать терминалу команды модема</translation>
    </message>
    <message id="doctor.mm.stop">
        <source>install the udev rules and plug the cradle in again, or sudo systemctl disable --now ModemManager</source>
        <translation>установите правила udev и подключите подставку заново или sudo systemctl disable --now ModemManager</translation>
    </message>
    <message id="doctor.mm.title">
        <source>ModemManager</source>
        <translation>ModemManager</translation>
    </message>
    <message id="doctor.toFix">
        <source>%d thing(s) to fix</source>
        <translation>нужно исправить: %d</translation>
    </message>
    <message id="doctor.udev.copy">
        <source>install the package, or sudo cp res/linux/%s /etc/udev/rules.d/ &amp;&amp; %s</source>
        <translation>установите пакет или sudo cp res/linux/%s /etc/udev/rules.d/ &amp;&amp; %s</translation>
    </message>
    <message id="doctor.udev.installed">
        <source>installed: %s</source>
        <translation>установлены: %s</translation>
    </message>
    <message id="doctor.udev.local">
        <source>%s is where udev never looks</source>
        <translation>%s лежит там, куда udev никогда не смотрит</translation>
    </message>
    <message id="doctor.udev.missing">
        <source>not installed: the cradle is only reachable for root, and ModemManager may probe it</source>
        <translation>не установлены: подставка доступна только root, и ModemManager может её опрашивать</translation>
    </message>
    <message id="doctor.udev.title">
        <source>udev rules</source>
        <translation>правила udev</translation>
    </message>
    <message id="doctor.usb.denied">
        <source>the cradle at %s may not be opened by this session</source>
        <translation>этот сеанс не может открыть подставку по адресу %s</translation>
    </message>
    <message id="doctor.usb.noBus">
        <source>no USB bus on this machine</source>
        <translation>на этой машине нет шины USB</translation>
    </message>
    <message id="doctor.usb.noCradle">
        <source>no cradle is connected</source>
        <translation>подставка не подключена</translation>
    </message>
    <message id="doctor.usb.ok">
        <source>this session may open %s</source>
        <translation>этот сеанс может открыть %s</translation>
    </message>
    <message id="doctor.usb.rules">
        <source>install the udev rules (%s) and plug the cradle in again</source>
        <translation>установите правила udev (%s) и подключите подставку заново</translation>
    </message>
    <message id="doctor.usb.title">
        <source>USB access for cradle updates</source>
        <translation>доступ USB для обновления подставки</translation>
    </message>
    <message id="drop.folder">
        <source>%1:資料夾無法傳送到終端機,請選擇其中的檔案</source>
        <translation>%1: папку нельзя передать на терминал; выберите файлы в ней</translation>
    </message>
    <message id="drop.name">
        <source>%1:終端機只能存放 8.3 格式的檔名(最多 8 個字元,副檔名最多 3 個字元)</source>
        <translation>%1: терминал хранит только имена 8.3 (не более 8 символов, расширение не более 3)</translation>
    </message>
    <message id="drop.notFile">
        <source>%1:不是可以傳送的檔案</source>
        <translation>%1: это не файл, который можно передать</translation>
    </message>
    <message id="drop.refused">
        <source>沒有傳送任何檔案:</source>
        <translation>Ни один файл не передан:</translation>
    </message>
    <message id="explorer.noSuchDrive">
        <source>there is no drive image of '%s'; the terminal's drives are C and D</source>
        <translation>образа диска '%s' нет; диски терминала — C и D</translation>
    </message>
    <message id="explorer.sameFile">
        <source>%s and %s are the same file; nothing was copied</source>
        <translation>%s и %s — один и тот же файл; ничего не скопировано</translation>
    </message>
    <message id="file.changed">
        <source>%s changed while it was read</source>
        <translation>%s изменился во время чтения</translation>
    </message>
    <message id="file.grows">
        <source>%s is not an ordinary file: it holds more than its size says (%lld bytes)</source>
        <translation>%s — не обычный файл: в нём больше данных, чем указывает его размер (%lld байт)</translation>
    </message>
    <message id="file.isLink">
        <source>%s is a link; nothing is written through it (remove the link or choose another folder)</source>
        <translation>%s — это ссылка; через неё ничего не записывается (удалите ссылку или выберите другую папку)</translation>
    </message>
    <message id="file.kind.blockDevice">
        <source>a block device</source>
        <translation>блочным устройством</translation>
    </message>
    <message id="file.kind.charDevice">
        <source>a character device</source>
        <translation>символьным устройством</translation>
    </message>
    <message id="file.kind.fifo">
        <source>a FIFO</source>
        <translation>каналом FIFO</translation>
    </message>
    <message id="file.kind.folder">
        <source>a folder</source>
        <translation>папкой</translation>
    </message>
    <message id="file.kind.other">
        <source>not an ordinary file</source>
        <translation>не обычным файлом</translation>
    </message>
    <message id="file.kind.socket">
        <source>a socket</source>
        <translation>сокетом</translation>
    </message>
    <message id="file.noName">
        <source>no file name given</source>
        <translation>не указано имя файла</translation>
    </message>
    <message id="file.notCopyable">
        <source>%s is %s, not a file that can be copied</source>
        <translation>%s — это %s, а не файл, который можно скопировать</translation>
    </message>
    <message id="file.notOpen">
        <source>the file is not open</source>
        <translation>файл не открыт</translation>
    </message>
    <message id="file.notRegular">
        <source>%s: not a regular file, a device or a FIFO; give a file name</source>
        <translation>%s: не обычный файл, не устройство и не FIFO; укажите имя файла</translation>
    </message>
    <message id="file.notSendable">
        <source>%s is %s, not a file that can be sent</source>
        <translation>%s является %s, а не файлом, который можно отправить</translation>
    </message>
    <message id="file.tooBig">
        <source>%s is too big for the terminal (%lld bytes)</source>
        <translation>%s слишком велик для терминала (%lld байт)</translation>
    </message>
    <message id="folder.cancel">
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message id="folder.ok">
        <source>確定</source>
        <translation>ОК</translation>
    </message>
    <message id="folder.path">
        <source>路徑:</source>
        <translation>Путь:</translation>
    </message>
    <message id="folder.title">
        <source>選擇資料夾</source>
        <translation>Выбор папки</translation>
    </message>
    <message id="font.choose">
        <source>語系支援下載</source>
        <translation>Загрузка языковой поддержки</translation>
    </message>
    <message id="format.confirmDrive">
        <source>磁碟機 %s 內的檔案會全部消失!!&#xd;
你確定要格式化磁碟機 %s?</source>
        <translation>Все файлы на диске %s будут потеряны!!&#xd;
Вы уверены, что хотите отформатировать диск %s?</translation>
    </message>
    <message id="help.folder">
        <source></source>
        <translation>ru</translation>
    </message>
    <message id="help.missing">
        <source>&lt;p&gt;The help pages are not installed (%1).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Страницы справки не установлены (%1).&lt;/p&gt;</translation>
    </message>
    <message id="help.title">
        <source>FeldSpan 說明</source>
        <translation>Справка FeldSpan</translation>
    </message>
    <message id="language.nextStart">
        <source>FeldSpan 下次啟動時就會使用所選的語言。</source>
        <translation>FeldSpan будет использовать выбранный язык при следующем запуске.</translation>
    </message>
    <message id="link.access.joinGroup">
        <source>add your user to the group that owns it (%s), e.g. &quot;sudo usermod -aG %s $USER&quot;, then log in again</source>
        <translation>добавьте пользователя в группу-владельца (%s), например &quot;sudo usermod -aG %s $USER&quot;, затем войдите в систему заново</translation>
    </message>
    <message id="link.access.lsusb">
        <source> (VVVV:PPPP as lsusb shows the device)</source>
        <translation> (VVVV:PPPP — как lsusb показывает устройство)</translation>
    </message>
    <message id="link.access.noName">
        <source>its group %u has no name; </source>
        <translation>у его группы %u нет имени; </translation>
    </message>
    <message id="link.access.noReadWrite">
        <source>its group (%s) may not read and write it; </source>
        <translation>его группа (%s) не может его читать и записывать; </translation>
    </message>
    <message id="link.access.root">
        <source>its group is root; </source>
        <translation>его группа — root; </translation>
    </message>
    <message id="link.access.udev">
        <source>add a udev rule that gives your group access to this device, e.g. SUBSYSTEM==&quot;tty&quot;, %s, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; in /etc/udev/rules.d/50-feldspan.rules%s, then plug the device in again (and be in that group)</source>
        <translation>добавьте правило udev, дающее вашей группе доступ к этому устройству, например SUBSYSTEM==&quot;tty&quot;, %s, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; в /etc/udev/rules.d/50-feldspan.rules%s, затем переподключите устройство (и состойте в этой группе)</translation>
    </message>
    <message id="link.answerTooBig">
        <source>The terminal announced an answer of %u bytes, more than any command's; it was refused.</source>
        <translation>Терминал объявил ответ длиной %u байт, больше, чем у любой команды; он отклонён.</translation>
    </message>
    <message id="link.badFolder">
        <source>%s: not a folder the terminal has (%s)</source>
        <translation>%s: на терминале нет такой папки (%s)</translation>
    </message>
    <message id="link.badPath">
        <source>%s: not a path the terminal takes (%s)</source>
        <translation>%s: терминал не принимает такой путь (%s)</translation>
    </message>
    <message id="link.badStoredName">
        <source>%s: the terminal cannot store it as %s (%s); rename the file first</source>
        <translation>%s: терминал не может сохранить его как %s (%s); сначала переименуйте файл</translation>
    </message>
    <message id="link.badUsbPorts">
        <source>%s: &quot;%s&quot; is not PATH=VVVV:PPPP (hex USB vendor and product ids)</source>
        <translation>%s: &quot;%s&quot; не в виде ПУТЬ=VVVV:PPPP (шестнадцатеричные идентификаторы производителя и продукта USB)</translation>
    </message>
    <message id="link.baudBack">
        <source>The port could not be set back to %d bit/s and is closed (%s); the next operation opens it again.</source>
        <translation>Не удалось вернуть порт на %d бит/с, он закрыт (%s); следующая операция откроет его снова.</translation>
    </message>
    <message id="link.cancelled">
        <source>the transfer was cancelled</source>
        <translation>передача отменена</translation>
    </message>
    <message id="link.cannotOpen">
        <source>cannot open %s: %s</source>
        <translation>не удалось открыть %s: %s</translation>
    </message>
    <message id="link.cannotWrite">
        <source>cannot write to %s: %s</source>
        <translation>не удалось записать в %s: %s</translation>
    </message>
    <message id="link.connectOff">
        <source>connecting is switched off in the port settings</source>
        <translation>подключение выключено в настройках порта</translation>
    </message>
    <message id="link.connectionLost">
        <source>the connection to the terminal was lost (%s)</source>
        <translation>связь с терминалом потеряна (%s)</translation>
    </message>
    <message id="link.deviceBusy">
        <source>device busy: %s is in use by another program</source>
        <translation>устройство занято: %s используется другой программой</translation>
    </message>
    <message id="link.deviceBusyWhy">
        <source>device busy: %s is in use by another program (%s)</source>
        <translation>устройство занято: %s используется другой программой (%s)</translation>
    </message>
    <message id="link.deviceClosed">
        <source>the device closed</source>
        <translation>устройство закрыто</translation>
    </message>
    <message id="link.deviceGone">
        <source>the device %s went away (%s)</source>
        <translation>устройство %s пропало (%s)</translation>
    </message>
    <message id="link.deviceMissing">
        <source>device missing: %s does not exist (is the terminal connected and switched on?)</source>
        <translation>устройство не найдено: %s не существует (терминал подключён и включён?)</translation>
    </message>
    <message id="link.deviceMissingNoPorts">
        <source>device missing: %s does not exist, and this computer has no serial ports (is the terminal's cradle connected?)</source>
        <translation>устройство не найдено: %s не существует, а на этом компьютере нет последовательных портов (подставка терминала подключена?)</translation>
    </message>
    <message id="link.deviceMissingPorts">
        <source>device missing: %s does not exist (ports here: %s)</source>
        <translation>устройство не найдено: %s не существует (порты на этом компьютере: %s)</translation>
    </message>
    <message id="link.fileTooBig">
        <source>The terminal announced a file of %u bytes, more than its drives hold; it was refused.</source>
        <translation>Терминал объявил файл длиной %u байт — больше, чем вмещают его диски; он отклонён.</translation>
    </message>
    <message id="link.fileTooShort">
        <source>The terminal announced a file of %u bytes, too short for its header; it was refused.</source>
        <translation>Терминал объявил файл длиной %u байт — слишком короткий для заголовка; он отклонён.</translation>
    </message>
    <message id="link.folderTooLong">
        <source>The terminal folder path is too long (%d bytes, at most %d): %s</source>
        <translation>Путь к папке на терминале слишком длинный (%d байт, не более %d): %s</translation>
    </message>
    <message id="link.frameRetries">
        <source>the terminal did not take a frame in %d attempts; check the cable and the line speed</source>
        <translation>терминал не принял кадр за %d попыток; проверьте кабель и скорость линии</translation>
    </message>
    <message id="link.hungUp">
        <source>it hung up</source>
        <translation>оно разорвало соединение</translation>
    </message>
    <message id="link.ioThreadStopped">
        <source>the port's I/O thread stopped (%s)</source>
        <translation>поток ввода-вывода порта остановился (%s)</translation>
    </message>
    <message id="link.kernelOddSize">
        <source>%s is %u bytes long: a kernel image is a whole number of 4-byte words; nothing was sent</source>
        <translation>%s имеет длину %u байт: образ ядра состоит из целого числа 4-байтовых слов; ничего не отправлено</translation>
    </message>
    <message id="link.kernelOddSizeKept">
        <source>%s is %u bytes long: a kernel image is a whole number of 4-byte words; nothing on the terminal was changed</source>
        <translation>%s имеет длину %u байт: образ ядра состоит из целого числа 4-байтовых слов; на терминале ничего не изменено</translation>
    </message>
    <message id="link.kernelUnread">
        <source>%s; nothing on the terminal was changed</source>
        <translation>%s; на терминале ничего не изменено</translation>
    </message>
    <message id="link.kind.answer">
        <source>an answer</source>
        <translation>ответ</translation>
    </message>
    <message id="link.kind.file">
        <source>a file</source>
        <translation>файл</translation>
    </message>
    <message id="link.kind.transfer">
        <source>a transfer</source>
        <translation>передачу</translation>
    </message>
    <message id="link.lineNotSet">
        <source>the line cannot be set to %s (%s)</source>
        <translation>не удаётся установить параметры линии %s (%s)</translation>
    </message>
    <message id="link.name.base">
        <source>not an 8.3 name: the base is not 1-8 characters</source>
        <translation>не имя 8.3: основная часть не из 1-8 символов</translation>
    </message>
    <message id="link.name.character">
        <source>not an 8.3 name: it holds a character a short name cannot hold</source>
        <translation>не имя 8.3: содержит символ, недопустимый в коротком имени</translation>
    </message>
    <message id="link.name.dots">
        <source>not an 8.3 name: more than one '.'</source>
        <translation>не имя 8.3: больше одной '.'</translation>
    </message>
    <message id="link.name.empty">
        <source>empty name</source>
        <translation>пустое имя</translation>
    </message>
    <message id="link.name.extension">
        <source>not an 8.3 name: the extension is not 1-3 characters</source>
        <translation>не имя 8.3: расширение не из 1-3 символов</translation>
    </message>
    <message id="link.name.lowerCase">
        <source>not an upper-case 8.3 name</source>
        <translation>не имя 8.3 заглавными буквами</translation>
    </message>
    <message id="link.noAnswer">
        <source>the terminal did not answer (is it switched on, in its cradle and ready to transfer?)</source>
        <translation>терминал не ответил (он включён, стоит в подставке и готов к передаче?)</translation>
    </message>
    <message id="link.noFileSent">
        <source>the terminal sent no file</source>
        <translation>терминал не прислал файл</translation>
    </message>
    <message id="link.noIoThread">
        <source>cannot start the port's I/O thread: %s</source>
        <translation>не удалось запустить поток ввода-вывода порта: %s</translation>
    </message>
    <message id="link.noLinkCheck">
        <source>the terminal did not answer the link check (is it switched on and in transfer mode?)</source>
        <translation>терминал не ответил на проверку связи (он включён и в режиме передачи?)</translation>
    </message>
    <message id="link.noPort">
        <source>the port could not be made</source>
        <translation>не удалось создать порт</translation>
    </message>
    <message id="link.noSuchFile">
        <source>no such file on the terminal</source>
        <translation>на терминале нет такого файла</translation>
    </message>
    <message id="link.noUsbDevice">
        <source>no USB serial device found: connect the terminal's cradle and check its cable</source>
        <translation>последовательное USB-устройство не найдено: подключите подставку терминала и проверьте кабель</translation>
    </message>
    <message id="link.noUsbTerminal">
        <source>no USB terminal found among the USB serial devices (none matches the configured ids)</source>
        <translation>среди последовательных USB-устройств нет терминала (ни одно не подходит под заданные идентификаторы)</translation>
    </message>
    <message id="link.noVersion">
        <source>%s: not sent: the terminal did not report its firmware version</source>
        <translation>%s: не отправлен: терминал не сообщил версию прошивки</translation>
    </message>
    <message id="link.noWriter">
        <source>The flash writer %s is missing or cannot be read (%s). It comes from the terminal's vendor with the terminal's own software: put it there and try again. Nothing on the terminal was changed.</source>
        <translation>Программа записи флеш-памяти %s отсутствует или не читается (%s). Её поставляет производитель терминала вместе с его программами: положите её туда и повторите попытку. На терминале ничего не изменено.</translation>
    </message>
    <message id="link.noisyLine">
        <source>the terminal's frames kept arriving damaged; check the cable and the line speed</source>
        <translation>кадры от терминала постоянно приходили повреждёнными; проверьте кабель и скорость линии</translation>
    </message>
    <message id="link.notAnswering">
        <source>the terminal does not answer; retrying (attempt %d of %d)</source>
        <translation>терминал не отвечает; повтор (попытка %d из %d)</translation>
    </message>
    <message id="link.notFormatted">
        <source>the drive is not formatted</source>
        <translation>диск не отформатирован</translation>
    </message>
    <message id="link.notKernel">
        <source>%s is not a kernel image (a .bin file); nothing on the terminal was changed</source>
        <translation>%s — не образ ядра (файл .bin); на терминале ничего не изменено</translation>
    </message>
    <message id="link.notSent">
        <source>the terminal did not send it (%s)</source>
        <translation>терминал его не отправил (%s)</translation>
    </message>
    <message id="link.otherModel">
        <source>The terminal is a model this program cannot update (class %d, number %d)</source>
        <translation>Терминал — модель, которую эта программа не может обновлять (класс %d, номер %d)</translation>
    </message>
    <message id="link.path.component">
        <source>path component %s: %s</source>
        <translation>часть пути %s: %s</translation>
    </message>
    <message id="link.path.dot">
        <source>path has a '.' component</source>
        <translation>в пути есть часть '.'</translation>
    </message>
    <message id="link.path.dotDot">
        <source>path has a '..' component</source>
        <translation>в пути есть часть '..'</translation>
    </message>
    <message id="link.path.drive">
        <source>drive is not C: or D:</source>
        <translation>диск не C: и не D:</translation>
    </message>
    <message id="link.path.empty">
        <source>path has an empty component</source>
        <translation>в пути есть пустая часть</translation>
    </message>
    <message id="link.path.noBackslash">
        <source>path has no '\' after the drive</source>
        <translation>после диска нет '\'</translation>
    </message>
    <message id="link.path.noDrive">
        <source>path does not start with a drive</source>
        <translation>путь не начинается с диска</translation>
    </message>
    <message id="link.path.noFile">
        <source>path names a folder, not a file</source>
        <translation>путь указывает на папку, а не на файл</translation>
    </message>
    <message id="link.path.slash">
        <source>path has a '/'</source>
        <translation>в пути есть '/'</translation>
    </message>
    <message id="link.pathTooLong">
        <source>The terminal path is too long: %s</source>
        <translation>Путь на терминале слишком длинный: %s</translation>
    </message>
    <message id="link.permissionDenied">
        <source>permission denied on %s: %s</source>
        <translation>нет доступа к %s: %s</translation>
    </message>
    <message id="link.refused">
        <source>The terminal sent %s where %s was expected; it was refused.</source>
        <translation>Терминал прислал %s, а ожидался %s; отклонено.</translation>
    </message>
    <message id="link.rootFolder">
        <source>%s is a drive, not a folder: the terminal keeps files in the folders of a drive; name one, e.g. %sData</source>
        <translation>%s — это диск, а не папка: терминал хранит файлы в папках диска; укажите папку, например %sData</translation>
    </message>
    <message id="link.settingsCancelled">
        <source>the port settings were cancelled</source>
        <translation>настройка порта отменена</translation>
    </message>
    <message id="link.severalUsb">
        <source>%d USB serial devices are connected and UsbIds names none of them as the terminal, so none is guessed at: %s. Name the terminal's with `feldspan-cli config FeldSpan/Settings/UsbIds VVVV:PPPP`, or use --device</source>
        <translation>подключено USB-последовательных устройств: %d, и UsbIds не называет ни одно из них терминалом, поэтому ничего не угадывается: %s. Укажите устройство терминала командой `feldspan-cli config FeldSpan/Settings/UsbIds VVVV:PPPP` или используйте --device</translation>
    </message>
    <message id="link.stayedBusy">
        <source>the terminal stayed busy and did not take the data</source>
        <translation>терминал оставался занят и не принял данные</translation>
    </message>
    <message id="link.stoppedAnswering">
        <source>the terminal stopped answering (is it still switched on and in its cradle?)</source>
        <translation>терминал перестал отвечать (он ещё включён и стоит в подставке?)</translation>
    </message>
    <message id="link.tooBig">
        <source>%s: too big to send to the terminal</source>
        <translation>%s: слишком велик для отправки на терминал</translation>
    </message>
    <message id="link.updateBaud">
        <source>The port could not be switched to %d bit/s for the update: %s</source>
        <translation>Не удалось переключить порт на %d бит/с для обновления: %s</translation>
    </message>
    <message id="link.waitFailed">
        <source>its wait failed: %s</source>
        <translation>ожидание не удалось: %s</translation>
    </message>
    <message id="link.writerEmpty">
        <source>it is empty</source>
        <translation>он пуст</translation>
    </message>
    <message id="link.writerLoop">
        <source>The terminal keeps asking for the flash writer; giving up.</source>
        <translation>Терминал снова и снова запрашивает программу записи флеш-памяти; операция прекращена.</translation>
    </message>
    <message id="listing.noAnswer">
        <source>the terminal did not list it</source>
        <translation>терминал не выдал его список</translation>
    </message>
    <message id="listing.notConfirmed">
        <source>sent but not confirmed: the terminal's listing of %s failed (%s): %s</source>
        <translation>отправлено, но не подтверждено: список %s на терминале получить не удалось (%s): %s</translation>
    </message>
    <message id="listing.notFound">
        <source>sent but not found on the terminal: %s</source>
        <translation>отправлено, но на терминале не найдено: %s</translation>
    </message>
    <message id="listing.otherSize">
        <source>sent but of another size on the terminal: %s (%u bytes there, %u sent)</source>
        <translation>отправлено, но на терминале другого размера: %s (там %u байт, отправлено %u)</translation>
    </message>
    <message id="menu.dataReceive">
        <source>資料接收</source>
        <translation>Приём данных</translation>
    </message>
    <message id="menu.file">
        <source>檔案</source>
        <translation>&amp;Файл</translation>
    </message>
    <message id="menu.help">
        <source>說明</source>
        <translation>&amp;Справка</translation>
    </message>
    <message id="menu.language">
        <source>語言</source>
        <translation>Язык</translation>
    </message>
    <message id="menu.portChoice">
        <source>連接埠選擇</source>
        <translation>Выбор порта</translation>
    </message>
    <message id="menu.resident">
        <source>常駐</source>
        <translation>Резидентный режим</translation>
    </message>
    <message id="menu.settings">
        <source>設定</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message id="menu.tools">
        <source>工具</source>
        <translation>&amp;Сервис</translation>
    </message>
    <message id="menu.window">
        <source>視窗</source>
        <translation>&amp;Окно</translation>
    </message>
    <message id="pc.fileSystem">
        <source>檔案系統</source>
        <translation>Файловая система</translation>
    </message>
    <message id="pc.home">
        <source>個人資料夾</source>
        <translation>Домашняя папка</translation>
    </message>
    <message id="port.baud">
        <source>傳輸速率:</source>
        <translation>Скорость:</translation>
    </message>
    <message id="port.connect">
        <source>連線</source>
        <translation>Подключаться</translation>
    </message>
    <message id="port.databits">
        <source>資料位元:</source>
        <translation>Биты данных:</translation>
    </message>
    <message id="port.device">
        <source>序列埠:</source>
        <translation>Последовательный порт:</translation>
    </message>
    <message id="port.lineErrors">
        <source>顯示線路錯誤</source>
        <translation>Показывать ошибки линии</translation>
    </message>
    <message id="port.parity">
        <source>同位檢查:</source>
        <translation>Чётность:</translation>
    </message>
    <message id="port.parity.even">
        <source>偶數</source>
        <translation>Чётная</translation>
    </message>
    <message id="port.parity.none">
        <source>無</source>
        <translation>Нет</translation>
    </message>
    <message id="port.parity.odd">
        <source>奇數</source>
        <translation>Нечётная</translation>
    </message>
    <message id="port.stopbits">
        <source>停止位元:</source>
        <translation>Стоповые биты:</translation>
    </message>
    <message id="port.title">
        <source>連接埠設定</source>
        <translation>Настройки порта</translation>
    </message>
    <message id="progress.bytes">
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message id="progress.cancel">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="progress.cancelling">
        <source>Stopping the transfer...</source>
        <translation>Остановка передачи...</translation>
    </message>
    <message id="progress.kib">
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message id="progress.left">
        <source>%1:%2 left</source>
        <translation>осталось %1:%2</translation>
    </message>
    <message id="progress.mib">
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message id="progress.rate">
        <source>%1/s</source>
        <translation>%1/с</translation>
    </message>
    <message id="project.beyondSlots">
        <source>%s: %s is not sent: a project holds lookup and data files 1 to 20 only</source>
        <translation>%s: %s не отправляется: проект содержит только справочные файлы и файлы данных с 1 по 20</translation>
    </message>
    <message id="project.cancelled">
        <source>The send was cancelled: the message view lists the files not sent.</source>
        <translation>Отправка отменена: файлы, которые не были отправлены, перечислены в окне сообщений.</translation>
    </message>
    <message id="project.cancelledAt">
        <source>not sent %s: the send was cancelled here</source>
        <translation>не отправлен %s: здесь отправка была отменена</translation>
    </message>
    <message id="project.fileMissing">
        <source>%s: %s is not on this PC (looked for %s)</source>
        <translation>%s: %s нет на этом компьютере (искали: %s)</translation>
    </message>
    <message id="project.kept">
        <source>skipped %s: the terminal's file was kept, not overwritten: %s</source>
        <translation>пропущен %s: файл терминала сохранён, не перезаписан: %s</translation>
    </message>
    <message id="project.listFailed">
        <source>The terminal's folder %s could not be listed (%s): every file is sent.</source>
        <translation>Не удалось получить список папки %s терминала (%s): отправляются все файлы.</translation>
    </message>
    <message id="project.noFiles">
        <source>%s: no file to send; a project file names its files in lines such as &quot;Program=C:\Project\APP.ABP&quot;, &quot;Lookup1=...&quot;, &quot;DataFile1=...&quot;, &quot;SysFont=...&quot; and &quot;UserFont=...&quot;</source>
        <translation>%s: нет файлов для отправки; файл проекта указывает свои файлы строками вида &quot;Program=C:\Project\APP.ABP&quot;, &quot;Lookup1=...&quot;, &quot;DataFile1=...&quot;, &quot;SysFont=...&quot; и &quot;UserFont=...&quot;</translation>
    </message>
    <message id="project.notChecked">
        <source>Nothing was sent: these files cannot be sent as the projects name them.</source>
        <translation>Ничего не отправлено: эти файлы нельзя отправить так, как их указывают проекты.</translation>
    </message>
    <message id="project.notSent">
        <source>not sent %s -&gt; %s</source>
        <translation>не отправлен %s -&gt; %s</translation>
    </message>
    <message id="project.notSentAfterStop">
        <source>not sent %s: the send stopped at an earlier file</source>
        <translation>не отправлен %s: отправка остановилась на одном из предыдущих файлов</translation>
    </message>
    <message id="project.onlyChanged">
        <source>Send only changed files</source>
        <translation>Отправлять только изменённые файлы</translation>
    </message>
    <message id="project.onlyChangedTip">
        <source>Skip each file the terminal already holds with the same name, size, date and time</source>
        <translation>Пропускать каждый файл, который уже есть на терминале с тем же именем, размером, датой и временем</translation>
    </message>
    <message id="project.open">
        <source>開啟</source>
        <translation>Открыть</translation>
    </message>
    <message id="project.places">
        <source>%s, and %s in any letter case</source>
        <translation>%s, а также %s в любом регистре букв</translation>
    </message>
    <message id="project.sendTip">
        <source>Sends every project of the list to the terminal, in the list's order</source>
        <translation>Отправляет в терминал все проекты списка в порядке списка</translation>
    </message>
    <message id="project.sentLine">
        <source>sent %s -&gt; %s</source>
        <translation>отправлено %s -&gt; %s</translation>
    </message>
    <message id="project.unchanged">
        <source>unchanged: %s</source>
        <translation>без изменений: %s</translation>
    </message>
    <message id="project.warnings">
        <source>Some entries of the projects are not sent:</source>
        <translation>Некоторые записи проектов не отправляются:</translation>
    </message>
    <message id="props.caption">
        <source>內容</source>
        <translation>Свойства</translation>
    </message>
    <message id="props.created">
        <source>建立日期:</source>
        <translation>Создан:</translation>
    </message>
    <message id="props.location">
        <source>位置:</source>
        <translation>Расположение:</translation>
    </message>
    <message id="props.name">
        <source>名稱:</source>
        <translation>Имя:</translation>
    </message>
    <message id="props.size">
        <source>大小:</source>
        <translation>Размер:</translation>
    </message>
    <message id="props.type">
        <source>類型:</source>
        <translation>Тип:</translation>
    </message>
    <message id="receive.badEntry">
        <source>%s names no terminal file (%s)</source>
        <translation>%s не указывает ни на один файл терминала (%s)</translation>
    </message>
    <message id="receive.badName">
        <source>the terminal's file name cannot be used on this PC: </source>
        <translation>имя файла терминала нельзя использовать на этом компьютере: </translation>
    </message>
    <message id="receive.kept">
        <source>received; the terminal kept %s</source>
        <translation>получено; терминал сохранил %s</translation>
    </message>
    <message id="receive.noSuchFile">
        <source>the terminal has no such file</source>
        <translation>на терминале нет такого файла</translation>
    </message>
    <message id="receive.notFetched">
        <source>%s was not received</source>
        <translation>%s не получен</translation>
    </message>
    <message id="receive.oldUnreadable">
        <source>%s cannot be read, so nothing is added to it: %s</source>
        <translation>%s не удаётся прочитать, поэтому к нему ничего не добавлено: %s</translation>
    </message>
    <message id="receiveDialog.append">
        <source>Append</source>
        <translation>Дописать</translation>
    </message>
    <message id="receiveDialog.cancel">
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message id="receiveDialog.delete">
        <source>檔案接收後刪除終端機檔案</source>
        <translation>Удалить файл на терминале после приёма</translation>
    </message>
    <message id="receiveDialog.file">
        <source>檔案:</source>
        <translation>Файл:</translation>
    </message>
    <message id="receiveDialog.format">
        <source>寫入格式:</source>
        <translation>Способ записи:</translation>
    </message>
    <message id="receiveDialog.keepCr">
        <source>加入 &lt;Carriage-Return&gt; 字元</source>
        <translation>Добавлять символы &lt;Carriage-Return&gt;</translation>
    </message>
    <message id="receiveDialog.keepLf">
        <source>加入 &lt;Line-Feed&gt; 字元</source>
        <translation>Добавлять символы &lt;Line-Feed&gt;</translation>
    </message>
    <message id="receiveDialog.overwrite">
        <source>New/Overwrite</source>
        <translation>Новый/Заменить</translation>
    </message>
    <message id="receiveDialog.receive">
        <source>接收</source>
        <translation>Принять</translation>
    </message>
    <message id="receiveDialog.savePath">
        <source>儲存路徑:</source>
        <translation>Сохранить в:</translation>
    </message>
    <message id="receiveDialog.title">
        <source>資料接收</source>
        <translation>Приём данных</translation>
    </message>
    <message id="resident.badEntry">
        <source>collection entry '%s' names no terminal file (%s); write it as DATA1.TXT or C:\Data\DATA1.TXT</source>
        <translation>запись сбора '%s' не указывает ни на один файл терминала (%s); запишите её как DATA1.TXT или C:\Data\DATA1.TXT</translation>
    </message>
    <message id="resident.noLink">
        <source>%s was not received: the terminal is not connected</source>
        <translation>%s не получен: терминал не подключён</translation>
    </message>
    <message id="standby.cancel">
        <source>取消(&amp;C)</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message id="standby.checkOnce">
        <source>偵測一次</source>
        <translation>проверять один раз</translation>
    </message>
    <message id="standby.choose">
        <source>從終端機的 C:\Data 選擇檔案</source>
        <translation>Выбрать файл из папки C:\Data терминала</translation>
    </message>
    <message id="standby.every">
        <source>每隔</source>
        <translation>Каждые</translation>
    </message>
    <message id="standby.fileTransfer">
        <source>檔案傳輸</source>
        <translation>Передавать файл</translation>
    </message>
    <message id="standby.files">
        <source>終端機檔案</source>
        <translation>Файлы терминала</translation>
    </message>
    <message id="standby.first">
        <source>第一次</source>
        <translation>Первое</translation>
    </message>
    <message id="standby.fixed">
        <source>定時</source>
        <translation>В заданное время</translation>
    </message>
    <message id="standby.m1">
        <source>1 分</source>
        <translation>1 мин</translation>
    </message>
    <message id="standby.m2">
        <source>2 分</source>
        <translation>2 мин</translation>
    </message>
    <message id="standby.m3">
        <source>3 分</source>
        <translation>3 мин</translation>
    </message>
    <message id="standby.noDataFiles">
        <source>終端機的 C:\Data 中沒有檔案</source>
        <translation>В папке C:\Data терминала нет файлов</translation>
    </message>
    <message id="standby.ok">
        <source>確定(&amp;O)</source>
        <translation>&amp;ОК</translation>
    </message>
    <message id="standby.s10">
        <source>10 秒</source>
        <translation>10 с</translation>
    </message>
    <message id="standby.s20">
        <source>20 秒</source>
        <translation>20 с</translation>
    </message>
    <message id="standby.s30">
        <source>30 秒</source>
        <translation>30 с</translation>
    </message>
    <message id="standby.second">
        <source>第二次</source>
        <translation>Второе</translation>
    </message>
    <message id="standby.storage">
        <source>存放位置</source>
        <translation>Место хранения</translation>
    </message>
    <message id="standby.third">
        <source>第三次</source>
        <translation>Третье</translation>
    </message>
    <message id="standby.title">
        <source>常駐設定</source>
        <translation>Настройки резидентного режима</translation>
    </message>
    <message id="status.busy">
        <source>正在與終端機通訊,請稍候</source>
        <translation>Идёт обмен данными с терминалом, подождите</translation>
    </message>
    <message id="status.bytes">
        <source>bytes</source>
        <translation>байт</translation>
    </message>
    <message id="status.driveC">
        <source>磁碟機 C:</source>
        <translation>Диск C:</translation>
    </message>
    <message id="status.driveD">
        <source>磁碟機 D:</source>
        <translation>Диск D:</translation>
    </message>
    <message id="status.free">
        <source>剩餘空間:</source>
        <translation>Свободно:</translation>
    </message>
    <message id="status.ok">
        <source>確定(&amp;O)</source>
        <translation>&amp;ОК</translation>
    </message>
    <message id="status.terminal">
        <source>終端機</source>
        <translation>Терминал</translation>
    </message>
    <message id="status.title">
        <source>終端機狀態</source>
        <translation>Состояние терминала</translation>
    </message>
    <message id="status.total">
        <source>全部空間:</source>
        <translation>Всего места:</translation>
    </message>
    <message id="status.used">
        <source>使用空間:</source>
        <translation>Занято:</translation>
    </message>
    <message id="status.version">
        <source>韌體版本:</source>
        <translation>Версия прошивки:</translation>
    </message>
    <message id="term.refusedBecause">
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message id="term.status.Busy">
        <source>the terminal is busy</source>
        <translation>терминал занят</translation>
    </message>
    <message id="term.status.Done">
        <source>done</source>
        <translation>выполнено</translation>
    </message>
    <message id="term.status.Failed">
        <source>no valid answer</source>
        <translation>нет правильного ответа</translation>
    </message>
    <message id="term.status.FileExists">
        <source>the file exists</source>
        <translation>файл существует</translation>
    </message>
    <message id="term.status.InUse">
        <source>a file is in use on the terminal</source>
        <translation>файл на терминале используется</translation>
    </message>
    <message id="term.status.InUse2">
        <source>a file is in use on the terminal</source>
        <translation>файл на терминале используется</translation>
    </message>
    <message id="term.status.InUse3">
        <source>a file is in use on the terminal</source>
        <translation>файл на терминале используется</translation>
    </message>
    <message id="term.status.LastKnown">
        <source>a status of the terminal's own</source>
        <translation>собственное состояние терминала</translation>
    </message>
    <message id="term.status.LowPower">
        <source>the terminal's power is too low</source>
        <translation>у терминала слишком низкий заряд</translation>
    </message>
    <message id="term.status.NeedsDefrag">
        <source>drive D: must be defragmented</source>
        <translation>диск D: нужно дефрагментировать</translation>
    </message>
    <message id="term.status.NoSpace">
        <source>not enough space on the drive</source>
        <translation>недостаточно места на диске</translation>
    </message>
    <message id="term.status.NotFormatted">
        <source>the drive is not formatted</source>
        <translation>диск не отформатирован</translation>
    </message>
    <message id="term.status.Refused">
        <source>the terminal refused the name or path</source>
        <translation>терминал отклонил имя или путь</translation>
    </message>
    <message id="term.status.TransferDone">
        <source>the terminal did not take it (status 2)</source>
        <translation>терминал его не принял (состояние 2)</translation>
    </message>
    <message id="term.status.WantsFlashWriter">
        <source>the terminal asks for the flash writer</source>
        <translation>терминал запрашивает программу записи флеш-памяти</translation>
    </message>
    <message id="term.status.unknown">
        <source>the terminal refused (status %d)</source>
        <translation>терминал отказал (состояние %d)</translation>
    </message>
    <message id="transfer.cancelled">
        <source>The transfer was cancelled: nothing of the file was kept.</source>
        <translation>Передача отменена: ничего из файла не сохранено.</translation>
    </message>
    <message id="transfer.cancelledAt">
        <source>Cancelled at %s: it and the files after it were not copied</source>
        <translation>Отменено на %s: этот и следующие файлы не скопированы</translation>
    </message>
    <message id="transfer.skipped">
        <source>Skipped %s: the file there was not replaced</source>
        <translation>Пропущен %s: файл там не был заменён</translation>
    </message>
    <message id="tree.andMore">
        <source>……以及另外 %d 個檔案</source>
        <translation>… и ещё файлов: %d</translation>
    </message>
    <message id="tree.copy">
        <source>複製</source>
        <translation>Копировать</translation>
    </message>
    <message id="tree.cut">
        <source>剪下</source>
        <translation>Вырезать</translation>
    </message>
    <message id="tree.date">
        <source>日期</source>
        <translation>Дата</translation>
    </message>
    <message id="tree.delete">
        <source>刪除</source>
        <translation>Удалить</translation>
    </message>
    <message id="tree.deleteAsk">
        <source>要從終端機永久刪除下列檔案嗎?&#xd;
%s</source>
        <translation>Безвозвратно удалить эти файлы с терминала?&#xd;
%s</translation>
    </message>
    <message id="tree.format">
        <source>格式化</source>
        <translation>Форматировать</translation>
    </message>
    <message id="tree.kept">
        <source>%s未刪除</source>
        <translation>%s не удалён</translation>
    </message>
    <message id="tree.name">
        <source>名稱</source>
        <translation>Имя</translation>
    </message>
    <message id="tree.noTrash">
        <source>下列檔案無法移到垃圾桶:&#xd;
%s&#xd;
要永久刪除它們嗎?</source>
        <translation>Эти файлы нельзя переместить в корзину:&#xd;
%s&#xd;
Удалить их безвозвратно?</translation>
    </message>
    <message id="tree.paste">
        <source>貼上</source>
        <translation>Вставить</translation>
    </message>
    <message id="tree.properties">
        <source>內容</source>
        <translation>Свойства</translation>
    </message>
    <message id="tree.size">
        <source>大小</source>
        <translation>Размер</translation>
    </message>
    <message id="tree.trashed">
        <source>已將%s移到垃圾桶</source>
        <translation>%s перемещён в корзину</translation>
    </message>
</context>
</TS>
