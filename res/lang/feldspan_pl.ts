<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="zh_TW">
<context>
    <name>FeldSpan</name>
    <message id="100">
        <source>OLE initialization failed.  Make sure that the OLE libraries are the correct version.</source>
        <translation>Inicjalizacja OLE nie powiodła się. Upewnij się, że biblioteki OLE są we właściwej wersji.</translation>
    </message>
    <message id="57344">
        <source>FeldSpan</source>
        <translation>FeldSpan</translation>
    </message>
    <message id="61220">
        <source>資料接收失敗</source>
        <translation>Odbiór danych nie powiódł się</translation>
    </message>
    <message id="61221">
        <source>連線失敗,請確認通訊埠狀態</source>
        <translation>Połączenie nie powiodło się, sprawdź port</translation>
    </message>
    <message id="61222">
        <source>檔名太長&#xd;
檔名最多8個字元,副檔名最多3個字元</source>
        <translation>Nazwa pliku jest za długa&#xd;
Nazwa może mieć najwyżej 8 znaków, rozszerzenie najwyżej 3</translation>
    </message>
    <message id="61223">
        <source>燒錄程式不存在</source>
        <translation>Program zapisu pamięci flash nie istnieje</translation>
    </message>
    <message id="61224">
        <source>FeldSpan一次只能10個專案</source>
        <translation>FeldSpan obsługuje naraz najwyżej 10 projektów</translation>
    </message>
    <message id="61225">
        <source>請選擇一個專案</source>
        <translation>Wybierz projekt</translation>
    </message>
    <message id="61227">
        <source>專案:</source>
        <translation>Projekty:</translation>
    </message>
    <message id="61228">
        <source>狀態</source>
        <translation>Stan</translation>
    </message>
    <message id="61229">
        <source>傳送</source>
        <translation>Wyślij</translation>
    </message>
    <message id="61230">
        <source>接收資料</source>
        <translation>Odbierz dane</translation>
    </message>
    <message id="61231">
        <source>設定</source>
        <translation>Ustawienia</translation>
    </message>
    <message id="61232">
        <source>加入</source>
        <translation>Dodaj</translation>
    </message>
    <message id="61233">
        <source>移除</source>
        <translation>Usuń</translation>
    </message>
    <message id="61234">
        <source>關於</source>
        <translation>O programie</translation>
    </message>
    <message id="61235">
        <source>複製%s完成</source>
        <translation>Kopiowanie %s zakończone</translation>
    </message>
    <message id="61236">
        <source>複製%s失敗!!</source>
        <translation>Kopiowanie %s nie powiodło się!!</translation>
    </message>
    <message id="61237">
        <source>已刪除%s!!</source>
        <translation>Usunięto %s!!</translation>
    </message>
    <message id="61238">
        <source>%s無法刪除!!</source>
        <translation>Nie można usunąć %s!!</translation>
    </message>
    <message id="61239">
        <source>移動%s完成!!</source>
        <translation>Przenoszenie %s zakończone!!</translation>
    </message>
    <message id="61240">
        <source>搬移%s失敗!!</source>
        <translation>Przenoszenie %s nie powiodło się!!</translation>
    </message>
    <message id="61241">
        <source>傳送 %s 中......</source>
        <translation>Wysyłanie %s ......</translation>
    </message>
    <message id="61242">
        <source>傳送結束</source>
        <translation>Przesyłanie zakończone</translation>
    </message>
    <message id="61243">
        <source>連線失敗...</source>
        <translation>Połączenie nie powiodło się...</translation>
    </message>
    <message id="61244">
        <source>格式化完成</source>
        <translation>Formatowanie zakończone</translation>
    </message>
    <message id="61245">
        <source>格式化失敗</source>
        <translation>Formatowanie nie powiodło się</translation>
    </message>
    <message id="61246">
        <source>格式化磁碟機 D 前必須先格式化磁碟機 C:</source>
        <translation>Przed sformatowaniem dysku D: trzeba sformatować dysk C:</translation>
    </message>
    <message id="61247">
        <source>磁碟機內的檔案會全部消失!!&#xd;
你確定要格式化?</source>
        <translation>Wszystkie pliki na dysku zostaną utracone!!&#xd;
Czy na pewno chcesz go sformatować?</translation>
    </message>
    <message id="61248">
        <source>同名稱專案已加入</source>
        <translation>Projekt o tej samej nazwie został już dodany</translation>
    </message>
    <message id="61250">
        <source>無專案可傳送</source>
        <translation>Brak projektu do wysłania</translation>
    </message>
    <message id="61251">
        <source>檔案傳送失敗</source>
        <translation>Przesyłanie pliku nie powiodło się</translation>
    </message>
    <message id="61252">
        <source>資料接收成功</source>
        <translation>Dane odebrano pomyślnie</translation>
    </message>
    <message id="61253">
        <source>檔案下載完成</source>
        <translation>Pobieranie pliku zakończone</translation>
    </message>
    <message id="61254">
        <source>韌體更新時會造成磁碟機 C: 和 D: 檔案流失&#xd;
你確定要更新韌體嗎?</source>
        <translation>Aktualizacja oprogramowania układowego usuwa pliki z dysków C: i D:&#xd;
Czy na pewno chcesz zaktualizować oprogramowanie układowe?</translation>
    </message>
    <message id="61255">
        <source>按&quot;確定&quot;開始更新韌體.&#xd;
請查看終端機營幕.&#xd;
關機表示更新完成.</source>
        <translation>Naciśnij &quot;OK&quot;, aby rozpocząć aktualizację oprogramowania układowego.&#xd;
Obserwuj ekran terminala.&#xd;
Wyłączenie się terminala oznacza koniec aktualizacji.</translation>
    </message>
    <message id="61256">
        <source>韌體更新完成</source>
        <translation>Aktualizacja oprogramowania układowego zakończona</translation>
    </message>
    <message id="61257">
        <source>韌體更新未完成</source>
        <translation>Aktualizacja oprogramowania układowego nie została ukończona</translation>
    </message>
    <message id="61258">
        <source>檔案已存在,要覆寫嗎?</source>
        <translation>Plik już istnieje. Zastąpić go?</translation>
    </message>
    <message id="61259">
        <source>無法獲得資訊,請確認連線狀態</source>
        <translation>Nie udało się uzyskać informacji, sprawdź połączenie</translation>
    </message>
    <message id="61260">
        <source>磁碟機</source>
        <translation>Dysk</translation>
    </message>
    <message id="61261">
        <source>檔案資料夾</source>
        <translation>Folder plików</translation>
    </message>
    <message id="61262">
        <source>檔案</source>
        <translation>Plik</translation>
    </message>
    <message id="61263">
        <source>已使用空間</source>
        <translation>Zajęte miejsce</translation>
    </message>
    <message id="61264">
        <source>可用空間</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message id="61265">
        <source>容量</source>
        <translation>Pojemność</translation>
    </message>
    <message id="61266">
        <source>尚未格式化</source>
        <translation>Niesformatowany</translation>
    </message>
    <message id="61267">
        <source>%d/%02d/%02d,  %02d : %02d : %02d</source>
        <translation>%d/%02d/%02d,  %02d : %02d : %02d</translation>
    </message>
    <message id="61268">
        <source>磁碟機 C: 尚未格式化,請先將 C 槽格式化</source>
        <translation>Dysk C: nie jest sformatowany, najpierw sformatuj dysk C</translation>
    </message>
    <message id="61269">
        <source>磁碟機 D: 尚未格式化,請先將 D 槽格式化</source>
        <translation>Dysk D: nie jest sformatowany, najpierw sformatuj dysk D</translation>
    </message>
    <message id="61270">
        <source>磁碟機 C: 空間不足,請先刪除一些檔案</source>
        <translation>Na dysku C: brakuje miejsca, najpierw usuń kilka plików</translation>
    </message>
    <message id="61271">
        <source>磁碟機 D: 空間不足,請先刪除一些檔案</source>
        <translation>Na dysku D: brakuje miejsca, najpierw usuń kilka plików</translation>
    </message>
    <message id="61272">
        <source>%s已經存在,要覆寫嗎?</source>
        <translation>%s już istnieje. Zastąpić?</translation>
    </message>
    <message id="61273">
        <source>上傳....</source>
        <translation>Odbieranie....</translation>
    </message>
    <message id="61274">
        <source>下載....</source>
        <translation>Wysyłanie....</translation>
    </message>
    <message id="61275">
        <source>無任何資料可供接收</source>
        <translation>Brak danych do odebrania</translation>
    </message>
    <message id="61276">
        <source>未連線</source>
        <translation>Brak połączenia</translation>
    </message>
    <message id="61277">
        <source>請先將磁碟機 C: 格式化</source>
        <translation>Najpierw sformatuj dysk C:</translation>
    </message>
    <message id="61278">
        <source>韌體版本不支援此功能,請更新韌體</source>
        <translation>Ta wersja oprogramowania układowego nie obsługuje tej funkcji, zaktualizuj oprogramowanie układowe</translation>
    </message>
    <message id="61279">
        <source>格式化</source>
        <translation>Formatowanie</translation>
    </message>
    <message id="61280">
        <source>資料重組</source>
        <translation>Defragmentacja</translation>
    </message>
    <message id="61281">
        <source>磁碟機 D 需要被重整,請執行資料重組</source>
        <translation>Dysk D wymaga uporządkowania, uruchom defragmentację</translation>
    </message>
    <message id="61282">
        <source>有檔案正在使用中,請先關閉正在執行的程式</source>
        <translation>Plik jest w użyciu, najpierw zamknij uruchomiony program</translation>
    </message>
    <message id="61283">
        <source>韌體版本為舊版,檔案可能無法正常使用,要繼續下載嗎???</source>
        <translation>Oprogramowanie układowe jest w starej wersji i pliki mogą nie działać. Kontynuować wysyłanie???</translation>
    </message>
    <message id="61284">
        <source>此路徑不存在,請輸入正確路徑.</source>
        <translation>Ta ścieżka nie istnieje, podaj poprawną ścieżkę.</translation>
    </message>
    <message id="61286">
        <source>啟動常駐</source>
        <translation>Włącz tryb stały</translation>
    </message>
    <message id="61287">
        <source>關閉常駐</source>
        <translation>Wyłącz tryb stały</translation>
    </message>
    <message id="61288">
        <source>在%s時,上傳檔案%s完成</source>
        <translation>O %s odbieranie pliku %s zakończone</translation>
    </message>
    <message id="61289">
        <source>在%s時,上傳檔案%s失敗</source>
        <translation>O %s odbieranie pliku %s nie powiodło się</translation>
    </message>
    <message id="61290">
        <source>查無裝置,請安裝USB裝置,再檢查充電座switch1是否為On以及是否接上USB連接線及電源</source>
        <translation>Nie znaleziono urządzenia. Zainstaluj urządzenie USB, a następnie sprawdź, czy przełącznik 1 stacji dokującej jest w pozycji On oraz czy kabel USB i zasilanie są podłączone</translation>
    </message>
    <message id="61291">
        <source>檔案不為充電座韌體格式</source>
        <translation>Plik nie jest w formacie oprogramowania układowego stacji dokującej</translation>
    </message>
    <message id="61292">
        <source>確定要更新充電座韌體</source>
        <translation>Czy na pewno chcesz zaktualizować oprogramowanie układowe stacji dokującej?</translation>
    </message>
    <message id="61293">
        <source>請先開啟檔案</source>
        <translation>Najpierw otwórz plik</translation>
    </message>
    <message id="61294">
        <source>充電座韌體更新完成,請重置充電座</source>
        <translation>Aktualizacja oprogramowania układowego stacji dokującej zakończona, zresetuj stację</translation>
    </message>
    <message id="61295">
        <source>充電座韌體更新未完成,請稍後重試</source>
        <translation>Aktualizacja oprogramowania układowego stacji dokującej nie została ukończona, spróbuj ponownie później</translation>
    </message>
    <message id="61297">
        <source>請透過USB先與充電座連結</source>
        <translation>Najpierw połącz się ze stacją dokującą przez USB</translation>
    </message>
    <message id="61298">
        <source>無法處理此目錄</source>
        <translation>Nie można obsłużyć tego folderu</translation>
    </message>
    <message id="61299">
        <source>Project:</source>
        <translation>Projekt:</translation>
    </message>
    <message id="61300">
        <source>Program:</source>
        <translation>Program:</translation>
    </message>
    <message id="61301">
        <source>Font:</source>
        <translation>Czcionka:</translation>
    </message>
    <message id="61302">
        <source>Lookup File:</source>
        <translation>Plik wyszukiwania:</translation>
    </message>
    <message id="61303">
        <source>Data File:</source>
        <translation>Plik danych:</translation>
    </message>
    <message id="61304">
        <source>電腦</source>
        <translation>Komputer</translation>
    </message>
    <message id="61305">
        <source>終端機</source>
        <translation>Terminal</translation>
    </message>
    <message id="about.cradle.version">
        <source>充電座韌體版本</source>
        <translation>Wersja oprogramowania układowego stacji dokującej</translation>
    </message>
    <message id="about.title">
        <source>關於 FeldSpan</source>
        <translation>O programie FeldSpan</translation>
    </message>
    <message id="aboutCradle.title">
        <source>關於充電座</source>
        <translation>O stacji dokującej</translation>
    </message>
    <message id="cli.collect.daily">
        <source>daily at </source>
        <translation>codziennie o </translation>
    </message>
    <message id="cli.collect.every">
        <source>every %d s</source>
        <translation>co %d s</translation>
    </message>
    <message id="cli.collect.noFiles">
        <source>no terminal file is switched on for collection: set FeldSpan/Standby/FileEnable1 and string1 (and the others) with `feldspan-cli config KEY VALUE`, or in the window's resident settings</source>
        <translation>żaden plik terminala nie jest włączony do zbierania: ustaw FeldSpan/Standby/FileEnable1 i string1 (oraz pozostałe) poleceniem `feldspan-cli config KEY VALUE` albo w ustawieniach trybu rezydentnego w oknie</translation>
    </message>
    <message id="cli.collect.noTimes">
        <source>at fixed times, none of which is switched on</source>
        <translation>o stałych godzinach, z których żadna nie jest włączona</translation>
    </message>
    <message id="cli.collect.start">
        <source>collecting %d file(s) %s into %s; Ctrl-C stops</source>
        <translation>zbieranie %d plik(ów) %s do %s; Ctrl-C kończy</translation>
    </message>
    <message id="cli.collect.storage">
        <source>storage folder (FeldSpan/Standby/SavePath): </source>
        <translation>folder zapisu (FeldSpan/Standby/SavePath): </translation>
    </message>
    <message id="cli.defrag.done">
        <source>drive D: defragmented: %d file(s) back in place</source>
        <translation>dysk D: zdefragmentowany: %d plik(ów) wróciło na miejsce</translation>
    </message>
    <message id="cli.defrag.finished">
        <source>the earlier defragmentation is finished: %d file(s) of drive D: are back in place</source>
        <translation>poprzednia defragmentacja zakończona: %d plik(ów) dysku D: wróciło na miejsce</translation>
    </message>
    <message id="cli.defrag.notDone">
        <source>drive D: was not defragmented</source>
        <translation>dysk D: nie został zdefragmentowany</translation>
    </message>
    <message id="cli.defrag.notFinished">
        <source>the earlier defragmentation was not finished: the copies stay in %s (use --yes to send them back)</source>
        <translation>poprzednia defragmentacja nie została dokończona: kopie zostają w %s (użyj --yes, aby je odesłać)</translation>
    </message>
    <message id="cli.defrag.unformatted">
        <source>drive D: is not formatted: there is nothing to defragment</source>
        <translation>dysk D: nie jest sformatowany: nie ma czego defragmentować</translation>
    </message>
    <message id="cli.failedBecause">
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message id="cli.help.about">
        <source>Links this PC with the handheld terminal and its cradle.</source>
        <translation>Łączy ten komputer z terminalem przenośnym i jego stacją dokującą.</translation>
    </message>
    <message id="cli.help.collect">
        <source>Runs the resident schedule of the FeldSpan/Standby settings until Ctrl-C.
  --once   one pass, exit 1 when a file failed
  --json   with --once: the pass's counts as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 collect --once</source>
        <translation>Wykonuje harmonogram rezydentny z ustawień FeldSpan/Standby aż do Ctrl-C.
  --once   jeden przebieg; kod 1, gdy któryś plik się nie udał
  --json   z --once: liczniki przebiegu jako JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 collect --once</translation>
    </message>
    <message id="cli.help.command">
        <source>The command to run (below).</source>
        <translation>Polecenie do wykonania (poniżej).</translation>
    </message>
    <message id="cli.help.commands">
        <source>Commands:</source>
        <translation>Polecenia:</translation>
    </message>
    <message id="cli.help.config">
        <source>  KEY        a key as 'config' lists it, e.g. FeldSpan/Settings/Baudrate
  VALUE      the new value; only that key's line is written
Example:
  feldspan-cli config FeldSpan/Settings/UsbIds 0403:6001</source>
        <translation>  KEY        klucz tak, jak wypisuje go 'config', np. FeldSpan/Settings/Baudrate
  VALUE      nowa wartość; zapisywany jest tylko wiersz tego klucza
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
        <translation>  list               urządzenia DFU: nazwa produktu, identyfikatory producenta, produktu i wersji
  check FILE.dfu     sprawdza plik oprogramowania i pokazuje, co dostanie każdy rodzaj stacji
  image FILE.dfu OUT zapisuje 64-KiB obraz pamięci opisany przez plik
  update FILE.dfu    aktualizuje oprogramowanie stacji (--index N: numer urządzenia z 'list')
  version            wersja oprogramowania stacji (z --usb)
  --sim DESCRIPTION  symulowana stacja za tymi samymi wywołaniami (1: domyślna)
  --json             list i check wypisują JSON
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
        <translation>Kopiuje każdy plik z D:\Fonts, D:\Lookup i D:\Program do folderu projektu, sprawdza
kopie, formatuje D: i odsyła je z powrotem. D: jest formatowany tylko wtedy, gdy każda kopia
jest kompletna; przerwany przebieg kończy się z kopii, bez ponownego formatowania.
  --yes    odpowiada Tak na pytania (opcja globalna)
Kod wyjścia 0 tylko wtedy, gdy każdy plik wrócił.
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
        <translation>Sprawdza dostęp do portu szeregowego, reguły udev, ModemManager, programy trzymające port,
zegar opóźnienia przejściówki USB-szeregowej, dostęp USB do aktualizacji stacji i chińską czcionkę.
Kod 0, gdy wszystko w porządku, 1, gdy coś trzeba poprawić.
  --json   sprawdzenia jako JSON
Example:
  feldspan-cli doctor</translation>
    </message>
    <message id="cli.help.dump">
        <source>  C|D   the drive
  OUT   a file, or a folder for the image's own name (default: the project folder)
Example:
  feldspan-cli dump C ~/images/</source>
        <translation>  C|D   dysk
  OUT   plik albo folder na obraz pod jego własną nazwą (domyślnie: folder projektu)
Example:
  feldspan-cli dump C ~/images/</translation>
    </message>
    <message id="cli.help.firmware">
        <source>  KERNEL.bin   the kernel image; drives C: and D: are erased first (asks)
Example:
  feldspan-cli --device /dev/ttyUSB0 firmware KERNEL.bin</source>
        <translation>  KERNEL.bin   obraz jądra; dyski C: i D: są najpierw czyszczone (pyta)
Example:
  feldspan-cli --device /dev/ttyUSB0 firmware KERNEL.bin</translation>
    </message>
    <message id="cli.help.font">
        <source>  FILE.sft   a language-support font (&quot;@oemb-*.sft&quot;, an 8.3 name), sent into D:\Fonts
Exit 0 only when the terminal stored it.
Example:
  feldspan-cli --device /dev/ttyUSB0 font @oemb-tc.sft</source>
        <translation>  FILE.sft   czcionka obsługi języka (&quot;@oemb-*.sft&quot;, nazwa 8.3), wysyłana do D:\Fonts
Kod wyjścia 0 tylko wtedy, gdy terminal ją zapisał.
Example:
  feldspan-cli --device /dev/ttyUSB0 font @oemb-tc.sft</translation>
    </message>
    <message id="cli.help.footer">
        <source>Run 'feldspan-cli COMMAND --help' for a command's arguments and an example.
Exit codes: 0 success, 1 failure (the reason is on stderr), 2 usage error.</source>
        <translation>'feldspan-cli COMMAND --help' pokazuje argumenty polecenia i przykład.
Kody wyjścia: 0 powodzenie, 1 błąd (przyczyna na stderr), 2 błąd użycia.</translation>
    </message>
    <message id="cli.help.format">
        <source>  C:|D:   the drive to format (asks first; --yes answers)
Example:
  feldspan-cli format C:</source>
        <translation>  C:|D:   dysk do sformatowania (najpierw pyta; --yes odpowiada)
Example:
  feldspan-cli format C:</translation>
    </message>
    <message id="cli.help.get">
        <source>  TERMINAL_PATH   e.g. C:\Data\DATA1.TXT ('/' may stand for '\')
  LOCAL_PATH      a file, or a folder for the terminal file's name
Example:
  feldspan-cli get C:/Data/DATA1.TXT data1.txt</source>
        <translation>  TERMINAL_PATH   np. C:\Data\DATA1.TXT ('/' może zastąpić '\')
  LOCAL_PATH      plik albo folder na plik pod nazwą z terminala
Example:
  feldspan-cli get C:/Data/DATA1.TXT data1.txt</translation>
    </message>
    <message id="cli.help.info">
        <source>  --json   the result as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 info --json</source>
        <translation>  --json   wynik jako JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 info --json</translation>
    </message>
    <message id="cli.help.ls">
        <source>  FOLDER   a terminal folder, e.g. C:\Data
  --json   the entries as JSON
Example:
  feldspan-cli ls C:/Data</source>
        <translation>  FOLDER   folder terminala, np. C:\Data
  --json   wpisy jako JSON
Example:
  feldspan-cli ls C:/Data</translation>
    </message>
    <message id="cli.help.ping">
        <source>Opens the port and checks that the terminal answers.
  --json   the result as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 ping</source>
        <translation>Otwiera port i sprawdza, czy terminal odpowiada.
  --json   wynik jako JSON
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
        <translation>Wypisuje porty szeregowe z identyfikatorami USB, opisami i numerami seryjnymi;
terminale wskazane w ustawieniu UsbIds są oznaczone.
  --usb    tylko porty USB i ten, z którym połączy się --usb
  --json   porty jako JSON
Example:
  feldspan-cli ports --json</translation>
    </message>
    <message id="cli.help.put">
        <source>  LOCAL_FILE        an ordinary file with an 8.3 name
  TERMINAL_FOLDER   e.g. C:\Data
Example:
  feldspan-cli put stock.dat C:/Data</source>
        <translation>  LOCAL_FILE        zwykły plik o nazwie 8.3
  TERMINAL_FOLDER   np. C:\Data
Example:
  feldspan-cli put stock.dat C:/Data</translation>
    </message>
    <message id="cli.help.receive">
        <source>  NAME...   data files of C:\Data
  --to DIR  the folder to save into (default: the Receive folder of the settings)
  --json    the files received as JSON
Example:
  feldspan-cli receive DATA1.TXT --to ~/scans --drop-cr</source>
        <translation>  NAME...   pliki danych z C:\Data
  --to DIR  folder zapisu (domyślnie: folder odbioru z ustawień)
  --json    odebrane pliki jako JSON
Example:
  feldspan-cli receive DATA1.TXT --to ~/scans --drop-cr</translation>
    </message>
    <message id="cli.help.rm">
        <source>  TERMINAL_PATH...   files (or empty folders) on the terminal
Example:
  feldspan-cli rm C:/Data/DATA1.TXT</source>
        <translation>  TERMINAL_PATH...   pliki (lub puste foldery) na terminalu
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
        <translation>  PROJECT.ini...     pliki projektów (bez nich: ten przekazany przez Builder.ini)
  --skip-unchanged   pomiń każdy plik, który terminal ma pod tą samą nazwą, z tym samym
                     rozmiarem, datą i godziną (najpierw listowane są jego foldery)
  --json             wysłane pliki jako JSON
Po wysłaniu foldery terminala są listowane ponownie: plik, którego tam nie ma
w wysłanym rozmiarze, oznacza nieudane wysłanie.
Example:
  feldspan-cli send --skip-unchanged samples/FeldBuilder/Project/SAMPLE/SAMPLE.ini</translation>
    </message>
    <message id="cli.json.failed">
        <source>%s failed</source>
        <translation>%s nie powiodło się</translation>
    </message>
    <message id="cli.json.usage">
        <source>wrong arguments; usage: feldspan-cli %s</source>
        <translation>błędne argumenty; użycie: feldspan-cli %s</translation>
    </message>
    <message id="cli.noDiskInfoWhy">
        <source>the terminal did not report its disk information</source>
        <translation>terminal nie podał informacji o dyskach</translation>
    </message>
    <message id="cli.noFontHandOver">
        <source>this front end cannot hand the font file to the download</source>
        <translation>ten interfejs nie może przekazać pliku czcionki do pobierania</translation>
    </message>
    <message id="cli.noKernelHandOver">
        <source>this front end cannot hand the kernel file to the update</source>
        <translation>ten interfejs nie może przekazać pliku jądra do aktualizacji</translation>
    </message>
    <message id="cli.noSuchEntry">
        <source>%s: no such file or folder on the terminal</source>
        <translation>%s: na terminalu nie ma takiego pliku ani folderu</translation>
    </message>
    <message id="cli.noSuchFileOrFull">
        <source>%s: no such file on the terminal (or a folder that is not empty)</source>
        <translation>%s: na terminalu nie ma takiego pliku (albo folder nie jest pusty)</translation>
    </message>
    <message id="cli.notFetched">
        <source>%s was not fetched</source>
        <translation>%s nie został pobrany</translation>
    </message>
    <message id="cli.notFetchedExists">
        <source>not fetched: %s exists (use --yes to replace it)</source>
        <translation>nie pobrano: %s istnieje (użyj --yes, aby go zastąpić)</translation>
    </message>
    <message id="cli.notFormatted">
        <source>%s: the drive is not formatted</source>
        <translation>%s: dysk nie jest sformatowany</translation>
    </message>
    <message id="cli.notFormattedDrive">
        <source>drive %s was not formatted</source>
        <translation>dysk %s nie został sformatowany</translation>
    </message>
    <message id="cli.notListed">
        <source>could not list %s on the terminal</source>
        <translation>nie można wyświetlić zawartości %s na terminalu</translation>
    </message>
    <message id="cli.notRemoved">
        <source>could not remove %s</source>
        <translation>nie można usunąć %s</translation>
    </message>
    <message id="cli.notSent">
        <source>%s was not sent</source>
        <translation>%s nie został wysłany</translation>
    </message>
    <message id="cli.notSentExists">
        <source>not sent: %s exists on the terminal (use --yes to overwrite)</source>
        <translation>nie wysłano: %s istnieje na terminalu (użyj --yes, aby go nadpisać)</translation>
    </message>
    <message id="cli.notTerminalPath">
        <source>'%s' is not a path on the terminal (%s); write it as C:\Data\NAME.TXT</source>
        <translation>'%s' nie jest ścieżką na terminalu (%s); zapisz ją jako C:\Data\NAME.TXT</translation>
    </message>
    <message id="cli.opt.baud">
        <source>Line speed in bit/s, for this run: one of %s.</source>
        <translation>Prędkość linii w bit/s na to uruchomienie: jedna z %s.</translation>
    </message>
    <message id="cli.opt.device">
        <source>The terminal's serial device, for this run (e.g. /dev/ttyUSB0).</source>
        <translation>Urządzenie szeregowe terminala na to uruchomienie (np. /dev/ttyUSB0).</translation>
    </message>
    <message id="cli.opt.help">
        <source>Show this help, or a command's.</source>
        <translation>Pokaż tę pomoc albo pomoc polecenia.</translation>
    </message>
    <message id="cli.opt.settings">
        <source>Use this INI file instead of the user's settings.</source>
        <translation>Użyj tego pliku INI zamiast ustawień użytkownika.</translation>
    </message>
    <message id="cli.opt.usb">
        <source>Connect over USB, for this run.</source>
        <translation>Połącz przez USB na to uruchomienie.</translation>
    </message>
    <message id="cli.opt.verbose">
        <source>Show status, port and debug lines (QT_LOGGING_RULES picks single ones).</source>
        <translation>Pokazuj wiersze stanu, portu i debugowania (QT_LOGGING_RULES wybiera pojedyncze).</translation>
    </message>
    <message id="cli.opt.version">
        <source>Show the version.</source>
        <translation>Pokaż wersję.</translation>
    </message>
    <message id="cli.opt.yes">
        <source>Answer Yes/OK to every question.</source>
        <translation>Odpowiadaj Tak/OK na każde pytanie.</translation>
    </message>
    <message id="cli.ports.serial">
        <source>serial %s</source>
        <translation>nr seryjny %s</translation>
    </message>
    <message id="cli.ports.terminal">
        <source>[terminal]</source>
        <translation>[terminal]</translation>
    </message>
    <message id="cli.refusedName">
        <source>%s: the terminal refused the name or path</source>
        <translation>%s: terminal odrzucił nazwę lub ścieżkę</translation>
    </message>
    <message id="cli.replaceLocal">
        <source>%s exists on this PC. Replace it?</source>
        <translation>%s istnieje na tym komputerze. Zastąpić go?</translation>
    </message>
    <message id="cli.send.keptWhy">
        <source>the file exists on the terminal and was not overwritten</source>
        <translation>plik istnieje na terminalu i nie został nadpisany</translation>
    </message>
    <message id="cli.send.missing">
        <source>the project Builder.ini hands over is not there: </source>
        <translation>projekt wskazany w Builder.ini nie istnieje: </translation>
    </message>
    <message id="cli.send.none">
        <source>no project given, and the project folder's Builder.ini hands none over</source>
        <translation>nie podano projektu, a Builder.ini w folderze projektów żadnego nie wskazuje</translation>
    </message>
    <message id="cli.unknownKey">
        <source>unknown key '%s' (run 'feldspan-cli config' to list the keys)</source>
        <translation>nieznany klucz '%s' (uruchom 'feldspan-cli config', aby wyświetlić klucze)</translation>
    </message>
    <message id="cli.unsafeName">
        <source>the terminal name '%s' cannot be used as a file name here; give a local file name</source>
        <translation>nazwy z terminala '%s' nie można tu użyć jako nazwy pliku; podaj nazwę pliku lokalnego</translation>
    </message>
    <message id="cli.usageHint">
        <source>usage: feldspan-cli [OPTIONS] COMMAND [ARGS...] ('feldspan-cli --help' lists the options and commands)</source>
        <translation>użycie: feldspan-cli [OPTIONS] COMMAND [ARGS...] ('feldspan-cli --help' wypisuje opcje i polecenia)</translation>
    </message>
    <message id="close.busy">
        <source>正在與終端機傳輸資料。要取消傳輸並結束程式嗎?</source>
        <translation>Trwa przesyłanie danych z terminalem. Przerwać przesyłanie i zakończyć program?</translation>
    </message>
    <message id="cmd.about">
        <source>關於Feldspan...</source>
        <translation>&amp;O programie FeldSpan...</translation>
    </message>
    <message id="cmd.aboutCradle">
        <source>關於充電座...</source>
        <translation>O &amp;stacji dokującej...</translation>
    </message>
    <message id="cmd.addCr">
        <source>加入 &lt;Carriage-Return&gt; 字元</source>
        <translation>Dodaj znak &lt;Carriage-Return&gt;</translation>
    </message>
    <message id="cmd.addLf">
        <source>加入 &lt;Line-Feed&gt; 字元</source>
        <translation>Dodaj znak &lt;Line-Feed&gt;</translation>
    </message>
    <message id="cmd.addProject">
        <source>加入</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message id="cmd.advancedMode">
        <source>進階模式</source>
        <translation>Tryb &amp;zaawansowany</translation>
    </message>
    <message id="cmd.cradleUpdate">
        <source>更新充電座韌體</source>
        <translation>Aktualizuj oprogramowanie stacji dokującej</translation>
    </message>
    <message id="cmd.defragment">
        <source>磁碟 D: 重組</source>
        <translation>Defragmentuj D:</translation>
    </message>
    <message id="cmd.deleteAfter">
        <source>刪除檔案</source>
        <translation>Usuń plik</translation>
    </message>
    <message id="cmd.exit">
        <source>離開</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message id="cmd.firmware">
        <source>F/W 更新</source>
        <translation>Aktualizacja F/W</translation>
    </message>
    <message id="cmd.firmwareButton">
        <source>更新新版韌體</source>
        <translation>Aktualizuj do nowego oprogramowania układowego</translation>
    </message>
    <message id="cmd.formatC">
        <source>格式化 C:</source>
        <translation>Formatuj C:</translation>
    </message>
    <message id="cmd.formatD">
        <source>格式化 D:</source>
        <translation>Formatuj D:</translation>
    </message>
    <message id="cmd.help">
        <source>說明</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message id="cmd.languageDownload">
        <source>語系支援下載</source>
        <translation>Pobieranie obsługi języków</translation>
    </message>
    <message id="cmd.languageSystem">
        <source>依系統設定</source>
        <translation>Język systemu</translation>
    </message>
    <message id="cmd.later">
        <source>這個指令尚未提供</source>
        <translation>To polecenie nie jest jeszcze dostępne</translation>
    </message>
    <message id="cmd.newProject">
        <source>新增一個專案</source>
        <translation>Dodaj nowy projekt</translation>
    </message>
    <message id="cmd.portSerial">
        <source>序列埠</source>
        <translation>Port szeregowy</translation>
    </message>
    <message id="cmd.portSettings">
        <source>連接埠設定</source>
        <translation>Ustawienia portu</translation>
    </message>
    <message id="cmd.portUsb">
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message id="cmd.projectMode">
        <source>專案模式</source>
        <translation>Tryb &amp;projektu</translation>
    </message>
    <message id="cmd.receive">
        <source>接收</source>
        <translation>Odbierz</translation>
    </message>
    <message id="cmd.residentSettings">
        <source>設定</source>
        <translation>Ustawienia</translation>
    </message>
    <message id="config.badStored">
        <source>bad value %s for %s in %s (it takes %s); using the default %s</source>
        <translation>błędna wartość %s dla %s w %s (dozwolona: %s); użyto wartości domyślnej %s</translation>
    </message>
    <message id="config.badValue">
        <source>%s takes %s, not &quot;%s&quot;</source>
        <translation>%s przyjmuje %s, a nie &quot;%s&quot;</translation>
    </message>
    <message id="config.cannotWrite">
        <source>cannot write the settings to %s: %s</source>
        <translation>nie można zapisać ustawień w %s: %s</translation>
    </message>
    <message id="config.empty">
        <source>%s cannot be empty</source>
        <translation>%s nie może być puste</translation>
    </message>
    <message id="config.ini.line">
        <source>line %s: &quot;%s&quot; is neither a KEY=VALUE line, a [section] nor a comment</source>
        <translation>wiersz %s: &quot;%s&quot; nie jest ani wierszem KLUCZ=WARTOŚĆ, ani [sekcją], ani komentarzem</translation>
    </message>
    <message id="config.ini.open">
        <source>line %s: &quot;%s&quot; runs to the end of the file (a quote not closed, or a backslash at the end of the last line)</source>
        <translation>wiersz %s: &quot;%s&quot; ciągnie się do końca pliku (niezamknięty cudzysłów albo ukośnik odwrotny na końcu ostatniego wiersza)</translation>
    </message>
    <message id="config.ini.readBack">
        <source>the changed settings would not read back (%s)</source>
        <translation>zmienionych ustawień nie dałoby się odczytać (%s)</translation>
    </message>
    <message id="config.ini.section">
        <source>line %s: the section header &quot;%s&quot; has no closing &quot;]&quot;</source>
        <translation>wiersz %s: nagłówek sekcji &quot;%s&quot; nie ma zamykającego &quot;]&quot;</translation>
    </message>
    <message id="config.none">
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message id="config.notSettings">
        <source>not changing the settings: %s is not a valid settings file (%s)</source>
        <translation>ustawienia nie zostały zmienione: %s nie jest prawidłowym plikiem ustawień (%s)</translation>
    </message>
    <message id="config.programsOwn">
        <source>%s is written by the program itself</source>
        <translation>%s zapisuje sam program</translation>
    </message>
    <message id="config.projectNotWritable">
        <source>The project folder %s cannot be written to (%s): files from the terminal cannot be kept there. Make it writable, or choose another project folder.</source>
        <translation>Nie można zapisywać w folderze projektu %s (%s): nie da się w nim przechowywać plików z terminala. Nadaj mu prawo zapisu albo wybierz inny folder projektu.</translation>
    </message>
    <message id="config.store.access">
        <source>the file cannot be written (check its permissions and the free space)</source>
        <translation>nie można zapisać pliku (sprawdź uprawnienia i wolne miejsce)</translation>
    </message>
    <message id="config.store.create">
        <source>cannot create a file in %s</source>
        <translation>nie można utworzyć pliku w %s</translation>
    </message>
    <message id="config.store.folder">
        <source>cannot create the folder %s</source>
        <translation>nie można utworzyć folderu %s</translation>
    </message>
    <message id="config.store.format">
        <source>the file is not a valid settings file</source>
        <translation>plik nie jest prawidłowym plikiem ustawień</translation>
    </message>
    <message id="config.store.lockFile">
        <source>cannot create the lock file %s.lock</source>
        <translation>nie można utworzyć pliku blokady %s.lock</translation>
    </message>
    <message id="config.store.locked">
        <source>another program keeps the settings locked (%s.lock)</source>
        <translation>inny program blokuje ustawienia (%s.lock)</translation>
    </message>
    <message id="config.store.notAsIntended">
        <source>the changed settings did not read back as intended; %s was left as it was</source>
        <translation>zmienione ustawienia odczytały się inaczej, niż zamierzano; %s pozostawiono bez zmian</translation>
    </message>
    <message id="config.store.notFile">
        <source>%s is not a regular file</source>
        <translation>%s nie jest zwykłym plikiem</translation>
    </message>
    <message id="config.store.read">
        <source>cannot read %s</source>
        <translation>nie można odczytać %s</translation>
    </message>
    <message id="config.store.readBack">
        <source>cannot read back %s</source>
        <translation>nie można odczytać z powrotem %s</translation>
    </message>
    <message id="config.store.resolve">
        <source>%s cannot be resolved</source>
        <translation>nie można rozwiązać ścieżki %s</translation>
    </message>
    <message id="config.store.unknown">
        <source>unknown error</source>
        <translation>nieznany błąd</translation>
    </message>
    <message id="config.store.write">
        <source>cannot write %s</source>
        <translation>nie można zapisać %s</translation>
    </message>
    <message id="config.takes.flag">
        <source>0 or 1</source>
        <translation>0 lub 1</translation>
    </message>
    <message id="config.takes.number">
        <source>a whole number</source>
        <translation>liczba całkowita</translation>
    </message>
    <message id="config.takes.oneOf">
        <source>one of %s</source>
        <translation>jedna z wartości %s</translation>
    </message>
    <message id="config.takes.range">
        <source>a whole number from %d to %d</source>
        <translation>liczba całkowita od %d do %d</translation>
    </message>
    <message id="config.takes.text">
        <source>a text</source>
        <translation>tekst</translation>
    </message>
    <message id="config.takes.time">
        <source>a time in seconds since 1970 (a 32-bit number)</source>
        <translation>czas w sekundach od 1970 roku (liczba 32-bitowa)</translation>
    </message>
    <message id="config.takes.usbIds">
        <source>a list of VENDOR:PRODUCT hex ids separated by commas</source>
        <translation>lista szesnastkowych identyfikatorów VENDOR:PRODUCT rozdzielonych przecinkami</translation>
    </message>
    <message id="config.unknownKey">
        <source>unknown key: %s</source>
        <translation>nieznany klucz: %s</translation>
    </message>
    <message id="cradle.browse">
        <source>瀏覽</source>
        <translation>Przeglądaj</translation>
    </message>
    <message id="cradle.byteOutside">
        <source>the byte at %s lies outside the area the update writes (%s) and is not written</source>
        <translation>bajt pod adresem %s leży poza obszarem zapisywanym przez aktualizację (%s) i nie zostanie zapisany</translation>
    </message>
    <message id="cradle.bytesOutside">
        <source>bytes at %s lie outside the area the update writes (%s) and are not written</source>
        <translation>bajty pod adresami %s leżą poza obszarem zapisywanym przez aktualizację (%s) i nie zostaną zapisane</translation>
    </message>
    <message id="cradle.cancel">
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
    <message id="cradle.cannotWriteImageWhy">
        <source>cannot write the image to %s (%s)</source>
        <translation>nie można zapisać obrazu do %s (%s)</translation>
    </message>
    <message id="cradle.device">
        <source>DFU 裝置:</source>
        <translation>Urządzenie DFU:</translation>
    </message>
    <message id="cradle.dfuStatusWords">
        <source>the cradle reported DFU status %u</source>
        <translation>stacja zgłosiła stan DFU %u</translation>
    </message>
    <message id="cradle.failedAtEnd">
        <source>the cradle update failed at its end: every block was written, but the cradle did not take the new firmware, %s. The cradle may not start until an update completes: run the update again</source>
        <translation>aktualizacja stacji dokującej nie powiodła się na końcu: wszystkie bloki zostały zapisane, ale stacja dokująca nie przyjęła nowego oprogramowania, %s. Stacja dokująca może się nie uruchomić, dopóki aktualizacja się nie zakończy: uruchom aktualizację ponownie</translation>
    </message>
    <message id="cradle.failedInPhase">
        <source>the cradle update failed in phase %d, %s</source>
        <translation>aktualizacja stacji dokującej nie powiodła się w fazie %d, %s</translation>
    </message>
    <message id="cradle.file.at">
        <source>byte %u (line %u)</source>
        <translation>bajt %u (wiersz %u)</translation>
    </message>
    <message id="cradle.file.cannotOpen">
        <source>cannot open %s: %s</source>
        <translation>nie można otworzyć %s: %s</translation>
    </message>
    <message id="cradle.file.cannotRead">
        <source>cannot read %s</source>
        <translation>nie można odczytać %s</translation>
    </message>
    <message id="cradle.file.checksum">
        <source>checksum %s does not match the record's bytes, which give %s: the record is damaged</source>
        <translation>suma kontrolna %s nie zgadza się z bajtami rekordu, z których wychodzi %s: rekord jest uszkodzony</translation>
    </message>
    <message id="cradle.file.countHigh">
        <source>S1 byte count %u is above 35</source>
        <translation>liczba bajtów S1 %u przekracza 35</translation>
    </message>
    <message id="cradle.file.countLow">
        <source>S1 byte count %u leaves no room for the address and checksum</source>
        <translation>liczba bajtów S1 %u nie zostawia miejsca na adres i sumę kontrolną</translation>
    </message>
    <message id="cradle.file.countZero">
        <source>byte count 0 leaves no room for the checksum</source>
        <translation>liczba bajtów 0 nie zostawia miejsca na sumę kontrolną</translation>
    </message>
    <message id="cradle.file.crc">
        <source>CRC mismatch: the suffix holds %s, the file's bytes give %s</source>
        <translation>niezgodność CRC: przyrostek zawiera %s, z bajtów pliku wychodzi %s</translation>
    </message>
    <message id="cradle.file.end">
        <source>the end of the records</source>
        <translation>koniec rekordów</translation>
    </message>
    <message id="cradle.file.lowAddress">
        <source>address %s is below 0x1000</source>
        <translation>adres %s jest poniżej 0x1000</translation>
    </message>
    <message id="cradle.file.noCount">
        <source>truncated before its byte count</source>
        <translation>urwany przed liczbą bajtów</translation>
    </message>
    <message id="cradle.file.noS">
        <source>does not begin with 'S'</source>
        <translation>nie zaczyna się od 'S'</translation>
    </message>
    <message id="cradle.file.noSuffix">
        <source>no DFU suffix at the end of the file (its last 16 bytes do not end in the &quot;UFD&quot; signature)</source>
        <translation>brak przyrostka DFU na końcu pliku (jego ostatnie 16 bajtów nie kończy się sygnaturą &quot;UFD&quot;)</translation>
    </message>
    <message id="cradle.file.notHex">
        <source>character %s is not an upper-case hex digit</source>
        <translation>znak %s nie jest wielką cyfrą szesnastkową</translation>
    </message>
    <message id="cradle.file.notHexAtAll">
        <source>character %s is not a hex digit</source>
        <translation>znak %s nie jest cyfrą szesnastkową</translation>
    </message>
    <message id="cradle.file.pastEnd">
        <source>data at %s runs past 0xFFFF (%u bytes)</source>
        <translation>dane pod adresem %s wychodzą poza 0xFFFF (%u bajtów)</translation>
    </message>
    <message id="cradle.file.record">
        <source>record at %s: %s</source>
        <translation>rekord w miejscu %s: %s</translation>
    </message>
    <message id="cradle.file.release">
        <source>the suffix names DFU release %s, not 0x0100</source>
        <translation>przyrostek podaje wersję DFU %s, a nie 0x0100</translation>
    </message>
    <message id="cradle.file.short">
        <source>the file is %u bytes long, shorter than the 16-byte DFU suffix</source>
        <translation>plik ma %u bajtów, mniej niż 16-bajtowy przyrostek DFU</translation>
    </message>
    <message id="cradle.file.suffixLength">
        <source>the suffix length is %u, not 16</source>
        <translation>długość przyrostka wynosi %u, a nie 16</translation>
    </message>
    <message id="cradle.file.tooLarge">
        <source>%s is larger than %u MiB; a cradle firmware file is far smaller</source>
        <translation>%s jest większy niż %u MiB; plik oprogramowania układowego stacji dokującej jest znacznie mniejszy</translation>
    </message>
    <message id="cradle.file.truncated">
        <source>truncated: %u bytes announced, %u present (or an odd number of digits)</source>
        <translation>urwany: zapowiedziano %u bajtów, jest %u (albo nieparzysta liczba cyfr)</translation>
    </message>
    <message id="cradle.file.type">
        <source>unknown record type S%c</source>
        <translation>nieznany typ rekordu S%c</translation>
    </message>
    <message id="cradle.file.wideAddress">
        <source>S%c records carry addresses beyond the 64 KiB image</source>
        <translation>rekordy S%c zawierają adresy poza 64-KiB obrazem</translation>
    </message>
    <message id="cradle.fileName">
        <source>檔案名稱:</source>
        <translation>Nazwa pliku:</translation>
    </message>
    <message id="cradle.fileProblem">
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message id="cradle.imageExists">
        <source>not written: %s exists (use --yes to replace it)</source>
        <translation>nie zapisano: %s istnieje (użyj --yes, aby go zastąpić)</translation>
    </message>
    <message id="cradle.noDevice">
        <source>there is no DFU device %d ('cradle list' shows the devices)</source>
        <translation>nie ma urządzenia DFU %d ('cradle list' wyświetla urządzenia)</translation>
    </message>
    <message id="cradle.noVersionCommand">
        <source>cradle version: not available in this build</source>
        <translation>cradle version: niedostępne w tej wersji programu</translation>
    </message>
    <message id="cradle.phase.finish">
        <source>Finishing</source>
        <translation>Kończenie</translation>
    </message>
    <message id="cradle.phase.prepare">
        <source>Preparing the cradle</source>
        <translation>Przygotowanie stacji dokującej</translation>
    </message>
    <message id="cradle.phase.start">
        <source>Starting the firmware write</source>
        <translation>Rozpoczęcie zapisu oprogramowania układowego</translation>
    </message>
    <message id="cradle.phase.write">
        <source>Writing the firmware</source>
        <translation>Zapis oprogramowania układowego</translation>
    </message>
    <message id="cradle.progressTitle">
        <source>Cradle firmware update</source>
        <translation>Aktualizacja oprogramowania stacji dokującej</translation>
    </message>
    <message id="cradle.ranges.and">
        <source> and </source>
        <translation> i </translation>
    </message>
    <message id="cradle.ranges.more">
        <source> and %u more ranges</source>
        <translation> i jeszcze %u zakresów</translation>
    </message>
    <message id="cradle.start">
        <source>開始更新</source>
        <translation>Rozpocznij aktualizację</translation>
    </message>
    <message id="cradle.title">
        <source>充電座韌體更新</source>
        <translation>Aktualizacja oprogramowania stacji dokującej</translation>
    </message>
    <message id="cradle.usb.access">
        <source>%s - the system denies this user access to the cradle; install a udev rule such as SUBSYSTEM==&quot;usb&quot;, ATTR{bInterfaceClass}==&quot;fe&quot;, TAG+=&quot;uaccess&quot; in /etc/udev/rules.d/70-feldspan-cradle.rules (or add your user to the group that owns the device), then reconnect the cradle</source>
        <translation>%s - system nie daje temu użytkownikowi dostępu do stacji dokującej; zainstaluj regułę udev, np. SUBSYSTEM==&quot;usb&quot;, ATTR{bInterfaceClass}==&quot;fe&quot;, TAG+=&quot;uaccess&quot; w /etc/udev/rules.d/70-feldspan-cradle.rules (albo dodaj użytkownika do grupy, do której należy urządzenie), a następnie podłącz stację ponownie</translation>
    </message>
    <message id="cradle.usb.busy">
        <source>%s - another program uses the cradle's DFU interface</source>
        <translation>%s - inny program używa interfejsu DFU stacji dokującej</translation>
    </message>
    <message id="cradle.usb.gone">
        <source>%s - the cradle was disconnected; reconnect it and list the devices again</source>
        <translation>%s - stacja dokująca została odłączona; podłącz ją ponownie i jeszcze raz wyświetl urządzenia</translation>
    </message>
    <message id="cradle.usb.noDevice">
        <source>no DFU device %u in the last listing</source>
        <translation>w ostatniej liście nie ma urządzenia DFU %u</translation>
    </message>
    <message id="cradle.usb.noReturn">
        <source>DFU_DETACH: the cradle did not come back in DFU mode within %d ms</source>
        <translation>DFU_DETACH: stacja dokująca nie wróciła do trybu DFU w ciągu %d ms</translation>
    </message>
    <message id="cradle.usb.stall">
        <source>%s (the device stalled the request)</source>
        <translation>%s (urządzenie odrzuciło żądanie)</translation>
    </message>
    <message id="cradle.useOtherFile">
        <source>%s: %s. Use a firmware file made for this cradle ('feldspan-cli cradle check %s' shows where a file's bytes lie)</source>
        <translation>%s: %s. Użyj pliku oprogramowania układowego przeznaczonego dla tej stacji dokującej ('feldspan-cli cradle check %s' pokazuje, gdzie leżą bajty pliku)</translation>
    </message>
    <message id="cradle.writesNothing">
        <source>%s: no byte lies in 0x8000-0xEFFF, where every update writes: an update would erase the cradle's firmware and write nothing, so it refuses this file. Use a firmware file made for the cradle</source>
        <translation>%s: żaden bajt nie leży w zakresie 0x8000-0xEFFF, który zapisuje każda aktualizacja: aktualizacja skasowałaby oprogramowanie układowe stacji dokującej i nic nie zapisała, więc ten plik jest odrzucany. Użyj pliku oprogramowania układowego przeznaczonego dla stacji dokującej</translation>
    </message>
    <message id="defrag.badEntry">
        <source>%s 無法複製到本機(名稱或種類不符),磁碟機 D: 沒有被變更。</source>
        <translation>%s nie da się skopiować na ten komputer (nazwa lub rodzaj na to nie pozwala); dysk D: nie został zmieniony.</translation>
    </message>
    <message id="defrag.badManifest">
        <source>無法讀取資料重組清單 %s(%s)。複本仍保留在 %s,沒有任何檔案被變更。</source>
        <translation>Nie można odczytać listy defragmentacji %s (%s). Kopie zostają w %s; nic nie zostało zmienione.</translation>
    </message>
    <message id="defrag.cannotWrite">
        <source>無法寫入 %s(%s),磁碟機 D: 沒有被格式化。</source>
        <translation>Nie można zapisać %s (%s); dysk D: nie został sformatowany.</translation>
    </message>
    <message id="defrag.copyFailed">
        <source>%s 無法完整複製到本機(%s),磁碟機 D: 沒有被格式化。</source>
        <translation>Nie udało się w całości skopiować %s na ten komputer (%s); dysk D: nie został sformatowany.</translation>
    </message>
    <message id="defrag.folderEntry">
        <source>%s 內有資料夾 %s。資料重組只複製檔案,請先移走或刪除這個資料夾。磁碟機 D: 沒有被變更。</source>
        <translation>%s zawiera folder %s. Defragmentacja kopiuje tylko pliki: najpierw przenieś lub usuń ten folder. Dysk D: nie został zmieniony.</translation>
    </message>
    <message id="defrag.keptCopies">
        <source>%d 個檔案沒有傳回磁碟機 D:。它們的複本保留在 %s(清單 %s);再執行一次資料重組即可把它們傳回,D: 不會再被格式化。</source>
        <translation>%d plik(ów) nie wróciło na dysk D:. Ich kopie są w %s (lista: %s); uruchom defragmentację ponownie, aby je odesłać (D: nie zostanie ponownie sformatowany).</translation>
    </message>
    <message id="defrag.noDiskInfo">
        <source>終端機沒有回報磁碟資訊,磁碟機 D: 沒有被變更。</source>
        <translation>Terminal nie podał informacji o dyskach; dysk D: nie został zmieniony.</translation>
    </message>
    <message id="defrag.noDiskInfoResume">
        <source>終端機沒有回報磁碟資訊,複本仍保留在原處。</source>
        <translation>Terminal nie podał informacji o dyskach; kopie zostają na miejscu.</translation>
    </message>
    <message id="defrag.noFolder">
        <source>無法建立資料夾 %s(%s),磁碟機 D: 沒有被變更。</source>
        <translation>Nie można utworzyć folderu %s (%s); dysk D: nie został zmieniony.</translation>
    </message>
    <message id="defrag.noRoom">
        <source>本機空間不足:%s 需要 %s 位元組存放複本,只剩 %s 位元組。磁碟機 D: 沒有被變更。</source>
        <translation>Za mało miejsca na tym komputerze: %s wymaga %s bajtów na kopie, wolnych jest tylko %s. Dysk D: nie został zmieniony.</translation>
    </message>
    <message id="defrag.noSpaceInfo">
        <source>無法得知 %s 的可用空間(%s),磁碟機 D: 沒有被變更。</source>
        <translation>Nie można ustalić, ile miejsca ma %s (%s); dysk D: nie został zmieniony.</translation>
    </message>
    <message id="defrag.notBack">
        <source>%s 沒有傳回磁碟機 D:(%s),複本保留在 %s</source>
        <translation>%s nie wrócił na dysk D: (%s); jego kopia jest w %s</translation>
    </message>
    <message id="defrag.notListed">
        <source>無法列出 %s(%s),磁碟機 D: 沒有被變更。</source>
        <translation>Nie można wyświetlić zawartości %s (%s); dysk D: nie został zmieniony.</translation>
    </message>
    <message id="defrag.notSent">
        <source>終端機沒有送出這個檔案</source>
        <translation>terminal go nie wysłał</translation>
    </message>
    <message id="defrag.resume">
        <source>上次的資料重組沒有完成:%d 個檔案的複本仍保留在 %s。要把它們傳回磁碟機 D: 嗎?(D: 不會再被格式化)</source>
        <translation>Poprzednia defragmentacja nie została dokończona: kopie %d plik(ów) są nadal w %s. Odesłać je teraz na dysk D:? (D: nie zostanie ponownie sformatowany.)</translation>
    </message>
    <message id="defrag.sizeMismatch">
        <source>讀回 %s 位元組,終端機列出 %s 位元組</source>
        <translation>odczytano %s bajtów, terminal podał %s</translation>
    </message>
    <message id="dfu.AccessDenied">
        <source>access to the device was denied</source>
        <translation>odmówiono dostępu do urządzenia</translation>
    </message>
    <message id="dfu.BadParameter">
        <source>a parameter is missing or out of range</source>
        <translation>brak parametru lub parametr poza zakresem</translation>
    </message>
    <message id="dfu.ClaimFailed">
        <source>the DFU interface could not be claimed</source>
        <translation>nie można przejąć interfejsu DFU</translation>
    </message>
    <message id="dfu.DescriptorError">
        <source>the device descriptor could not be read</source>
        <translation>nie można odczytać deskryptora urządzenia</translation>
    </message>
    <message id="dfu.DeviceGone">
        <source>the device is no longer attached</source>
        <translation>urządzenie nie jest już podłączone</translation>
    </message>
    <message id="dfu.InitFailed">
        <source>the USB library could not be initialised</source>
        <translation>nie można zainicjować biblioteki USB</translation>
    </message>
    <message id="dfu.NoDfuDescriptor">
        <source>the device has no DFU functional descriptor</source>
        <translation>urządzenie nie ma deskryptora funkcjonalnego DFU</translation>
    </message>
    <message id="dfu.NoReturn">
        <source>the device did not come back in DFU mode after the detach</source>
        <translation>urządzenie nie wróciło do trybu DFU po odłączeniu</translation>
    </message>
    <message id="dfu.NoSuchDevice">
        <source>no DFU device at this index (list the devices again)</source>
        <translation>pod tym numerem nie ma urządzenia DFU (wyświetl urządzenia ponownie)</translation>
    </message>
    <message id="dfu.NoThread">
        <source>the update could not be started</source>
        <translation>nie można rozpocząć aktualizacji</translation>
    </message>
    <message id="dfu.NotOpen">
        <source>the handle does not name an open device</source>
        <translation>uchwyt nie wskazuje otwartego urządzenia</translation>
    </message>
    <message id="dfu.NothingToWrite">
        <source>the firmware file holds no byte in the area the update writes: the update would erase the cradle's firmware and write nothing, so it was refused before anything was erased</source>
        <translation>plik oprogramowania układowego nie zawiera żadnego bajtu w obszarze zapisywanym przez aktualizację: aktualizacja skasowałaby oprogramowanie stacji dokującej i nic nie zapisała, więc odrzucono ją, zanim cokolwiek skasowano</translation>
    </message>
    <message id="dfu.Ok">
        <source>success</source>
        <translation>sukces</translation>
    </message>
    <message id="dfu.OpenFailed">
        <source>the device could not be opened</source>
        <translation>nie można otworzyć urządzenia</translation>
    </message>
    <message id="dfu.RequestFailed">
        <source>the device refused the request</source>
        <translation>urządzenie odrzuciło żądanie</translation>
    </message>
    <message id="dfu.ShortReply">
        <source>the device answered fewer bytes than the request needs</source>
        <translation>urządzenie odpowiedziało mniejszą liczbą bajtów, niż wymaga żądanie</translation>
    </message>
    <message id="dfu.StringError">
        <source>the string descriptor could not be read</source>
        <translation>nie można odczytać deskryptora tekstowego</translation>
    </message>
    <message id="dfu.Timeout">
        <source>the device did not answer in time</source>
        <translation>urządzenie nie odpowiedziało na czas</translation>
    </message>
    <message id="dfu.TooLarge">
        <source>the block is larger than the device's transfer size</source>
        <translation>blok jest większy niż rozmiar transferu urządzenia</translation>
    </message>
    <message id="dfu.WorkerBusy">
        <source>another cradle update is running</source>
        <translation>trwa inna aktualizacja stacji dokującej</translation>
    </message>
    <message id="dfu.WorkerFault">
        <source>the update stopped on an unexpected fault (out of memory or a library failure)</source>
        <translation>aktualizacja zatrzymała się z powodu nieoczekiwanego błędu (brak pamięci lub błąd biblioteki)</translation>
    </message>
    <message id="dfu.other">
        <source>code %s</source>
        <translation>kod %s</translation>
    </message>
    <message id="dialog.allFiles">
        <source>所有檔案 (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message id="doctor.allWell">
        <source>all well</source>
        <translation>wszystko w porządku</translation>
    </message>
    <message id="doctor.busy.close">
        <source>end that program (a terminal program, a modem manager, another FeldSpan) before connecting</source>
        <translation>zakończ ten program (program terminalowy, menedżer modemów, inny FeldSpan) przed połączeniem</translation>
    </message>
    <message id="doctor.busy.device">
        <source>look at the port in the Device Manager; plug the cradle in again</source>
        <translation>sprawdź port w Menedżerze urządzeń; podłącz stację dokującą ponownie</translation>
    </message>
    <message id="doctor.busy.failed">
        <source>%s cannot be opened: %s</source>
        <translation>nie można otworzyć %s: %s</translation>
    </message>
    <message id="doctor.busy.free">
        <source>no other process has %s open</source>
        <translation>żaden inny proces nie ma otwartego %s</translation>
    </message>
    <message id="doctor.busy.freeWin">
        <source>no other program holds %s</source>
        <translation>żaden inny program nie używa %s</translation>
    </message>
    <message id="doctor.busy.held">
        <source>%s is open in process %s</source>
        <translation>%s jest otwarty w procesie %s</translation>
    </message>
    <message id="doctor.busy.heldWin">
        <source>%s is in use by another program</source>
        <translation>%s jest używany przez inny program</translation>
    </message>
    <message id="doctor.busy.hidden">
        <source> (the open files of %d processes could not be looked at)</source>
        <translation> (nie dało się zajrzeć do otwartych plików %d procesów)</translation>
    </message>
    <message id="doctor.busy.noPort">
        <source>no serial port to check</source>
        <translation>brak portu szeregowego do sprawdzenia</translation>
    </message>
    <message id="doctor.busy.title">
        <source>port in use</source>
        <translation>port w użyciu</translation>
    </message>
    <message id="doctor.busy.unreadable">
        <source> (the open files of %d processes of other users could not be looked at; run as root to see them)</source>
        <translation> (nie dało się zajrzeć do otwartych plików %d procesów innych użytkowników; uruchom jako root, by zobaczyć wszystkie)</translation>
    </message>
    <message id="doctor.com.choose">
        <source>connect the cradle, then choose one of the ports here in the port settings (or give it for one run: --device COMn)</source>
        <translation>podłącz stację dokującą, a następnie wybierz jeden z tutejszych portów w ustawieniach portu (albo podaj go na jedno uruchomienie: --device COMn)</translation>
    </message>
    <message id="doctor.com.missing">
        <source>the settings name %s, which does not exist (ports here: %s)</source>
        <translation>ustawienia wskazują %s, który nie istnieje (porty tutaj: %s)</translation>
    </message>
    <message id="doctor.com.none">
        <source>this machine has no COM port now</source>
        <translation>ten komputer nie ma teraz żadnego portu COM</translation>
    </message>
    <message id="doctor.com.noneHere">
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message id="doctor.com.ok">
        <source>ports here: %s</source>
        <translation>porty tutaj: %s</translation>
    </message>
    <message id="doctor.com.title">
        <source>COM ports</source>
        <translation>porty COM</translation>
    </message>
    <message id="doctor.com.unreadable">
        <source>the system's list of serial ports could not be read</source>
        <translation>nie udało się odczytać systemowej listy portów szeregowych</translation>
    </message>
    <message id="doctor.driver.bind">
        <source>bind the WinUSB driver to the device %s (with a driver installer such as Zadig: choose the device, then WinUSB), then plug the cradle in again</source>
        <translation>przypisz sterownik WinUSB do urządzenia %s (instalatorem sterowników, np. Zadig: wybierz urządzenie, potem WinUSB), a następnie podłącz stację dokującą ponownie</translation>
    </message>
    <message id="doctor.driver.noCradle">
        <source>no cradle waiting for an update is connected</source>
        <translation>nie jest podłączona żadna stacja dokująca czekająca na aktualizację</translation>
    </message>
    <message id="doctor.driver.none">
        <source>the cradle %s waits for an update, and no driver is bound to it</source>
        <translation>stacja dokująca %s czeka na aktualizację, a nie ma przypisanego sterownika</translation>
    </message>
    <message id="doctor.driver.ok">
        <source>the cradle uses a driver the update works through: %s</source>
        <translation>stacja dokująca używa sterownika, przez który działa aktualizacja: %s</translation>
    </message>
    <message id="doctor.driver.other">
        <source>the cradle %s waits for an update, and its driver %s cannot be used for it</source>
        <translation>stacja dokująca %s czeka na aktualizację, a jej sterownika %s nie da się do tego użyć</translation>
    </message>
    <message id="doctor.driver.title">
        <source>USB driver for cradle updates</source>
        <translation>sterownik USB do aktualizacji stacji dokującej</translation>
    </message>
    <message id="doctor.fixLabel">
        <source>fix:</source>
        <translation>naprawa:</translation>
    </message>
    <message id="doctor.font.install">
        <source>sudo apt install fonts-wqy-microhei (or fonts-noto-cjk)</source>
        <translation>sudo apt install fonts-wqy-microhei (albo fonts-noto-cjk)</translation>
    </message>
    <message id="doctor.font.missing">
        <source>no font for Chinese: the window's Chinese texts and terminal file names show as boxes</source>
        <translation>brak czcionki chińskiej: chińskie teksty okna i nazwy plików terminala wyglądają jak kwadraty</translation>
    </message>
    <message id="doctor.font.ok">
        <source>found: %s</source>
        <translation>znaleziono: %s</translation>
    </message>
    <message id="doctor.font.title">
        <source>Chinese font</source>
        <translation>chińska czcionka</translation>
    </message>
    <message id="doctor.group.denied">
        <source>%s belongs to the group %s, and this session may not open it</source>
        <translation>%s należy do grupy %s i ta sesja nie może go otworzyć</translation>
    </message>
    <message id="doctor.group.join">
        <source>sudo usermod -aG %s %s, then log out and in again (or install the udev rules, which give the user at the seat the cradle)</source>
        <translation>sudo usermod -aG %s %s, potem wyloguj się i zaloguj ponownie (albo zainstaluj reguły udev, które dają stację użytkownikowi przy stanowisku)</translation>
    </message>
    <message id="doctor.group.noPort">
        <source>no serial port to check: none is connected and the configured one is not there</source>
        <translation>brak portu szeregowego do sprawdzenia: żaden nie jest podłączony, a skonfigurowanego nie ma</translation>
    </message>
    <message id="doctor.group.ok">
        <source>this session may open %s</source>
        <translation>ta sesja może otworzyć %s</translation>
    </message>
    <message id="doctor.group.relogin">
        <source>you were added to %s after logging in: log out and in again (or run `newgrp %s`)</source>
        <translation>dodano cię do %s po zalogowaniu: wyloguj się i zaloguj ponownie (albo uruchom `newgrp %s`)</translation>
    </message>
    <message id="doctor.group.title">
        <source>serial port access</source>
        <translation>dostęp do portu szeregowego</translation>
    </message>
    <message id="doctor.latency.lower">
        <source>echo 1 | sudo tee %s/%s/latency_timer (until the adapter is unplugged; for good: a udev rule with ATTR{latency_timer}=&quot;1&quot;)</source>
        <translation>echo 1 | sudo tee %s/%s/latency_timer (do odłączenia przejściówki; na stałe: reguła udev z ATTR{latency_timer}=&quot;1&quot;)</translation>
    </message>
    <message id="doctor.latency.none">
        <source>no USB-serial adapter with a latency timer is connected</source>
        <translation>nie podłączono przejściówki USB-szeregowej z zegarem opóźnienia</translation>
    </message>
    <message id="doctor.latency.ok">
        <source>1 ms on %s</source>
        <translation>1 ms na %s</translation>
    </message>
    <message id="doctor.latency.slow">
        <source>%s holds each short reply for %d ms (at 5 ms the link loses a fifth of its speed; FeldSpan asks for 1 ms while the port is open, which not every driver grants)</source>
        <translation>%s przetrzymuje każdą krótką odpowiedź przez %d ms (przy 5 ms łącze traci jedną piątą prędkości; FeldSpan prosi o 1 ms, gdy port jest otwarty, ale nie każdy sterownik na to pozwala)</translation>
    </message>
    <message id="doctor.latency.title">
        <source>USB-serial latency</source>
        <translation>opóźnienie USB-szeregowe</translation>
    </message>
    <message id="doctor.mm.holds">
        <source>ModemManager holds %s open</source>
        <translation>ModemManager trzyma otwarty %s</translation>
    </message>
    <message id="doctor.mm.ignores">
        <source>running, and told to leave the USB serial ports alone</source>
        <translation>działa i ma zostawić porty szeregowe USB w spokoju</translation>
    </message>
    <message id="doctor.mm.noPort">
        <source>running; no USB serial port for it to probe now</source>
        <translation>działa; teraz nie ma portu USB, który mógłby sondować</translation>
    </message>
    <message id="doctor.mm.notRunning">
        <source>not running</source>
        <translation>nie działa</translation>
    </message>
    <message id="doctor.mm.probes">
        <source>running, and not told to leave %s alone: it may send modem commands to the terminal</source>
        <translation>działa i nie dostał polecenia, by zostawić %s w spokoju: może wysyłać do terminala polecenia modemu</translation>
    </message>
    <message id="doctor.mm.stop">
        <source>install the udev rules and plug the cradle in again, or sudo systemctl disable --now ModemManager</source>
        <translation>zainstaluj reguły udev i podłącz stację ponownie albo sudo systemctl disable --now ModemManager</translation>
    </message>
    <message id="doctor.mm.title">
        <source>ModemManager</source>
        <translation>ModemManager</translation>
    </message>
    <message id="doctor.toFix">
        <source>%d thing(s) to fix</source>
        <translation>do poprawienia: %d</translation>
    </message>
    <message id="doctor.udev.copy">
        <source>install the package, or sudo cp res/linux/%s /etc/udev/rules.d/ &amp;&amp; %s</source>
        <translation>zainstaluj pakiet albo sudo cp res/linux/%s /etc/udev/rules.d/ &amp;&amp; %s</translation>
    </message>
    <message id="doctor.udev.installed">
        <source>installed: %s</source>
        <translation>zainstalowane: %s</translation>
    </message>
    <message id="doctor.udev.local">
        <source>%s is where udev never looks</source>
        <translation>%s leży tam, gdzie udev nigdy nie zagląda</translation>
    </message>
    <message id="doctor.udev.missing">
        <source>not installed: the cradle is only reachable for root, and ModemManager may probe it</source>
        <translation>niezainstalowane: stacja jest dostępna tylko dla roota, a ModemManager może ją sondować</translation>
    </message>
    <message id="doctor.udev.title">
        <source>udev rules</source>
        <translation>reguły udev</translation>
    </message>
    <message id="doctor.usb.denied">
        <source>the cradle at %s may not be opened by this session</source>
        <translation>ta sesja nie może otworzyć stacji pod %s</translation>
    </message>
    <message id="doctor.usb.noBus">
        <source>no USB bus on this machine</source>
        <translation>ten komputer nie ma magistrali USB</translation>
    </message>
    <message id="doctor.usb.noCradle">
        <source>no cradle is connected</source>
        <translation>stacja nie jest podłączona</translation>
    </message>
    <message id="doctor.usb.ok">
        <source>this session may open %s</source>
        <translation>ta sesja może otworzyć %s</translation>
    </message>
    <message id="doctor.usb.rules">
        <source>install the udev rules (%s) and plug the cradle in again</source>
        <translation>zainstaluj reguły udev (%s) i podłącz stację ponownie</translation>
    </message>
    <message id="doctor.usb.title">
        <source>USB access for cradle updates</source>
        <translation>dostęp USB do aktualizacji stacji</translation>
    </message>
    <message id="drop.folder">
        <source>%1:資料夾無法傳送到終端機,請選擇其中的檔案</source>
        <translation>%1: folderu nie można wysłać do terminala; wybierz pliki w nim</translation>
    </message>
    <message id="drop.name">
        <source>%1:終端機只能存放 8.3 格式的檔名(最多 8 個字元,副檔名最多 3 個字元)</source>
        <translation>%1: terminal przechowuje tylko nazwy 8.3 (najwyżej 8 znaków, rozszerzenie najwyżej 3)</translation>
    </message>
    <message id="drop.notFile">
        <source>%1:不是可以傳送的檔案</source>
        <translation>%1: to nie jest plik, który można wysłać</translation>
    </message>
    <message id="drop.refused">
        <source>沒有傳送任何檔案:</source>
        <translation>Nie wysłano żadnego pliku:</translation>
    </message>
    <message id="explorer.noSuchDrive">
        <source>there is no drive image of '%s'; the terminal's drives are C and D</source>
        <translation>nie ma obrazu napędu '%s'; napędy terminala to C i D</translation>
    </message>
    <message id="explorer.sameFile">
        <source>%s and %s are the same file; nothing was copied</source>
        <translation>%s i %s to ten sam plik; nic nie skopiowano</translation>
    </message>
    <message id="file.changed">
        <source>%s changed while it was read</source>
        <translation>%s zmienił się podczas odczytu</translation>
    </message>
    <message id="file.grows">
        <source>%s is not an ordinary file: it holds more than its size says (%lld bytes)</source>
        <translation>%s nie jest zwykłym plikiem: zawiera więcej, niż wskazuje jego rozmiar (%lld bajtów)</translation>
    </message>
    <message id="file.isLink">
        <source>%s is a link; nothing is written through it (remove the link or choose another folder)</source>
        <translation>%s jest dowiązaniem; nic nie jest przez nie zapisywane (usuń dowiązanie lub wybierz inny folder)</translation>
    </message>
    <message id="file.kind.blockDevice">
        <source>a block device</source>
        <translation>urządzeniem blokowym</translation>
    </message>
    <message id="file.kind.charDevice">
        <source>a character device</source>
        <translation>urządzeniem znakowym</translation>
    </message>
    <message id="file.kind.fifo">
        <source>a FIFO</source>
        <translation>kolejką FIFO</translation>
    </message>
    <message id="file.kind.folder">
        <source>a folder</source>
        <translation>folderem</translation>
    </message>
    <message id="file.kind.other">
        <source>not an ordinary file</source>
        <translation>nie zwykłym plikiem</translation>
    </message>
    <message id="file.kind.socket">
        <source>a socket</source>
        <translation>gniazdem</translation>
    </message>
    <message id="file.noName">
        <source>no file name given</source>
        <translation>nie podano nazwy pliku</translation>
    </message>
    <message id="file.notCopyable">
        <source>%s is %s, not a file that can be copied</source>
        <translation>%s to %s, a nie plik, który można skopiować</translation>
    </message>
    <message id="file.notOpen">
        <source>the file is not open</source>
        <translation>plik nie jest otwarty</translation>
    </message>
    <message id="file.notRegular">
        <source>%s: not a regular file, a device or a FIFO; give a file name</source>
        <translation>%s: to nie jest zwykły plik, urządzenie ani kolejka FIFO; podaj nazwę pliku</translation>
    </message>
    <message id="file.notSendable">
        <source>%s is %s, not a file that can be sent</source>
        <translation>%s jest %s, a nie plikiem, który można wysłać</translation>
    </message>
    <message id="file.tooBig">
        <source>%s is too big for the terminal (%lld bytes)</source>
        <translation>%s jest za duży dla terminala (%lld bajtów)</translation>
    </message>
    <message id="folder.cancel">
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
    <message id="folder.ok">
        <source>確定</source>
        <translation>OK</translation>
    </message>
    <message id="folder.path">
        <source>路徑:</source>
        <translation>Ścieżka:</translation>
    </message>
    <message id="folder.title">
        <source>選擇資料夾</source>
        <translation>Wybierz folder</translation>
    </message>
    <message id="font.choose">
        <source>語系支援下載</source>
        <translation>Pobieranie obsługi języka</translation>
    </message>
    <message id="format.confirmDrive">
        <source>磁碟機 %s 內的檔案會全部消失!!&#xd;
你確定要格式化磁碟機 %s?</source>
        <translation>Wszystkie pliki na dysku %s zostaną utracone!!&#xd;
Czy na pewno sformatować dysk %s?</translation>
    </message>
    <message id="help.folder">
        <source></source>
        <translation>pl</translation>
    </message>
    <message id="help.missing">
        <source>&lt;p&gt;The help pages are not installed (%1).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Strony pomocy nie są zainstalowane (%1).&lt;/p&gt;</translation>
    </message>
    <message id="help.title">
        <source>FeldSpan 說明</source>
        <translation>Pomoc programu FeldSpan</translation>
    </message>
    <message id="language.nextStart">
        <source>FeldSpan 下次啟動時就會使用所選的語言。</source>
        <translation>FeldSpan użyje wybranego języka przy następnym uruchomieniu.</translation>
    </message>
    <message id="link.access.joinGroup">
        <source>add your user to the group that owns it (%s), e.g. &quot;sudo usermod -aG %s $USER&quot;, then log in again</source>
        <translation>dodaj użytkownika do grupy, do której należy (%s), np. &quot;sudo usermod -aG %s $USER&quot;, a następnie zaloguj się ponownie</translation>
    </message>
    <message id="link.access.lsusb">
        <source> (VVVV:PPPP as lsusb shows the device)</source>
        <translation> (VVVV:PPPP tak, jak lsusb pokazuje urządzenie)</translation>
    </message>
    <message id="link.access.noName">
        <source>its group %u has no name; </source>
        <translation>jego grupa %u nie ma nazwy; </translation>
    </message>
    <message id="link.access.noReadWrite">
        <source>its group (%s) may not read and write it; </source>
        <translation>jego grupa (%s) nie może go czytać ani zapisywać; </translation>
    </message>
    <message id="link.access.root">
        <source>its group is root; </source>
        <translation>jego grupą jest root; </translation>
    </message>
    <message id="link.access.udev">
        <source>add a udev rule that gives your group access to this device, e.g. SUBSYSTEM==&quot;tty&quot;, %s, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; in /etc/udev/rules.d/50-feldspan.rules%s, then plug the device in again (and be in that group)</source>
        <translation>dodaj regułę udev, która da twojej grupie dostęp do tego urządzenia, np. SUBSYSTEM==&quot;tty&quot;, %s, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; w /etc/udev/rules.d/50-feldspan.rules%s, a następnie podłącz urządzenie ponownie (i należ do tej grupy)</translation>
    </message>
    <message id="link.answerTooBig">
        <source>The terminal announced an answer of %u bytes, more than any command's; it was refused.</source>
        <translation>Terminal zapowiedział odpowiedź o długości %u bajtów, większą niż odpowiedź na jakiekolwiek polecenie; została odrzucona.</translation>
    </message>
    <message id="link.badFolder">
        <source>%s: not a folder the terminal has (%s)</source>
        <translation>%s: terminal nie ma takiego folderu (%s)</translation>
    </message>
    <message id="link.badPath">
        <source>%s: not a path the terminal takes (%s)</source>
        <translation>%s: terminal nie przyjmuje takiej ścieżki (%s)</translation>
    </message>
    <message id="link.badStoredName">
        <source>%s: the terminal cannot store it as %s (%s); rename the file first</source>
        <translation>%s: terminal nie może zapisać go jako %s (%s); najpierw zmień nazwę pliku</translation>
    </message>
    <message id="link.badUsbPorts">
        <source>%s: &quot;%s&quot; is not PATH=VVVV:PPPP (hex USB vendor and product ids)</source>
        <translation>%s: &quot;%s&quot; nie ma postaci ŚCIEŻKA=VVVV:PPPP (szesnastkowe identyfikatory producenta i produktu USB)</translation>
    </message>
    <message id="link.baudBack">
        <source>The port could not be set back to %d bit/s and is closed (%s); the next operation opens it again.</source>
        <translation>Nie udało się przywrócić portu do %d bit/s i został zamknięty (%s); następna operacja otworzy go ponownie.</translation>
    </message>
    <message id="link.cancelled">
        <source>the transfer was cancelled</source>
        <translation>przesyłanie zostało przerwane</translation>
    </message>
    <message id="link.cannotOpen">
        <source>cannot open %s: %s</source>
        <translation>nie można otworzyć %s: %s</translation>
    </message>
    <message id="link.cannotWrite">
        <source>cannot write to %s: %s</source>
        <translation>nie można zapisać do %s: %s</translation>
    </message>
    <message id="link.connectOff">
        <source>connecting is switched off in the port settings</source>
        <translation>łączenie jest wyłączone w ustawieniach portu</translation>
    </message>
    <message id="link.connectionLost">
        <source>the connection to the terminal was lost (%s)</source>
        <translation>połączenie z terminalem zostało przerwane (%s)</translation>
    </message>
    <message id="link.deviceBusy">
        <source>device busy: %s is in use by another program</source>
        <translation>urządzenie zajęte: %s jest używane przez inny program</translation>
    </message>
    <message id="link.deviceBusyWhy">
        <source>device busy: %s is in use by another program (%s)</source>
        <translation>urządzenie zajęte: %s jest używane przez inny program (%s)</translation>
    </message>
    <message id="link.deviceClosed">
        <source>the device closed</source>
        <translation>urządzenie zostało zamknięte</translation>
    </message>
    <message id="link.deviceGone">
        <source>the device %s went away (%s)</source>
        <translation>urządzenie %s zniknęło (%s)</translation>
    </message>
    <message id="link.deviceMissing">
        <source>device missing: %s does not exist (is the terminal connected and switched on?)</source>
        <translation>brak urządzenia: %s nie istnieje (czy terminal jest podłączony i włączony?)</translation>
    </message>
    <message id="link.deviceMissingNoPorts">
        <source>device missing: %s does not exist, and this computer has no serial ports (is the terminal's cradle connected?)</source>
        <translation>brak urządzenia: %s nie istnieje, a ten komputer nie ma żadnych portów szeregowych (czy stacja dokująca terminala jest podłączona?)</translation>
    </message>
    <message id="link.deviceMissingPorts">
        <source>device missing: %s does not exist (ports here: %s)</source>
        <translation>brak urządzenia: %s nie istnieje (porty w tym komputerze: %s)</translation>
    </message>
    <message id="link.fileTooBig">
        <source>The terminal announced a file of %u bytes, more than its drives hold; it was refused.</source>
        <translation>Terminal zapowiedział plik o długości %u bajtów, większy niż mieszczą jego dyski; został odrzucony.</translation>
    </message>
    <message id="link.fileTooShort">
        <source>The terminal announced a file of %u bytes, too short for its header; it was refused.</source>
        <translation>Terminal zapowiedział plik o długości %u bajtów, za krótki na jego nagłówek; został odrzucony.</translation>
    </message>
    <message id="link.folderTooLong">
        <source>The terminal folder path is too long (%d bytes, at most %d): %s</source>
        <translation>Ścieżka folderu na terminalu jest za długa (%d bajtów, najwyżej %d): %s</translation>
    </message>
    <message id="link.frameRetries">
        <source>the terminal did not take a frame in %d attempts; check the cable and the line speed</source>
        <translation>terminal nie przyjął ramki w %d próbach; sprawdź kabel i szybkość transmisji</translation>
    </message>
    <message id="link.hungUp">
        <source>it hung up</source>
        <translation>rozłączyło się</translation>
    </message>
    <message id="link.ioThreadStopped">
        <source>the port's I/O thread stopped (%s)</source>
        <translation>wątek wejścia/wyjścia portu zatrzymał się (%s)</translation>
    </message>
    <message id="link.kernelOddSize">
        <source>%s is %u bytes long: a kernel image is a whole number of 4-byte words; nothing was sent</source>
        <translation>%s ma %u bajtów: obraz jądra składa się z pełnych słów 4-bajtowych; niczego nie wysłano</translation>
    </message>
    <message id="link.kernelOddSizeKept">
        <source>%s is %u bytes long: a kernel image is a whole number of 4-byte words; nothing on the terminal was changed</source>
        <translation>%s ma %u bajtów: obraz jądra składa się z pełnych słów 4-bajtowych; na terminalu nic nie zmieniono</translation>
    </message>
    <message id="link.kernelUnread">
        <source>%s; nothing on the terminal was changed</source>
        <translation>%s; na terminalu nic nie zmieniono</translation>
    </message>
    <message id="link.kind.answer">
        <source>an answer</source>
        <translation>odpowiedź</translation>
    </message>
    <message id="link.kind.file">
        <source>a file</source>
        <translation>plik</translation>
    </message>
    <message id="link.kind.transfer">
        <source>a transfer</source>
        <translation>transmisję</translation>
    </message>
    <message id="link.lineNotSet">
        <source>the line cannot be set to %s (%s)</source>
        <translation>nie można ustawić linii na %s (%s)</translation>
    </message>
    <message id="link.name.base">
        <source>not an 8.3 name: the base is not 1-8 characters</source>
        <translation>to nie nazwa 8.3: część główna nie ma 1-8 znaków</translation>
    </message>
    <message id="link.name.character">
        <source>not an 8.3 name: it holds a character a short name cannot hold</source>
        <translation>to nie nazwa 8.3: zawiera znak niedozwolony w krótkiej nazwie</translation>
    </message>
    <message id="link.name.dots">
        <source>not an 8.3 name: more than one '.'</source>
        <translation>to nie nazwa 8.3: więcej niż jedna '.'</translation>
    </message>
    <message id="link.name.empty">
        <source>empty name</source>
        <translation>pusta nazwa</translation>
    </message>
    <message id="link.name.extension">
        <source>not an 8.3 name: the extension is not 1-3 characters</source>
        <translation>to nie nazwa 8.3: rozszerzenie nie ma 1-3 znaków</translation>
    </message>
    <message id="link.name.lowerCase">
        <source>not an upper-case 8.3 name</source>
        <translation>to nie jest nazwa 8.3 pisana wielkimi literami</translation>
    </message>
    <message id="link.noAnswer">
        <source>the terminal did not answer (is it switched on, in its cradle and ready to transfer?)</source>
        <translation>terminal nie odpowiedział (czy jest włączony, w stacji dokującej i gotowy do przesyłania?)</translation>
    </message>
    <message id="link.noFileSent">
        <source>the terminal sent no file</source>
        <translation>terminal nie przysłał żadnego pliku</translation>
    </message>
    <message id="link.noIoThread">
        <source>cannot start the port's I/O thread: %s</source>
        <translation>nie można uruchomić wątku wejścia/wyjścia portu: %s</translation>
    </message>
    <message id="link.noLinkCheck">
        <source>the terminal did not answer the link check (is it switched on and in transfer mode?)</source>
        <translation>terminal nie odpowiedział na sprawdzenie połączenia (czy jest włączony i w trybie przesyłania?)</translation>
    </message>
    <message id="link.noPort">
        <source>the port could not be made</source>
        <translation>nie udało się utworzyć portu</translation>
    </message>
    <message id="link.noSuchFile">
        <source>no such file on the terminal</source>
        <translation>na terminalu nie ma takiego pliku</translation>
    </message>
    <message id="link.noUsbDevice">
        <source>no USB serial device found: connect the terminal's cradle and check its cable</source>
        <translation>nie znaleziono szeregowego urządzenia USB: podłącz stację dokującą terminala i sprawdź kabel</translation>
    </message>
    <message id="link.noUsbTerminal">
        <source>no USB terminal found among the USB serial devices (none matches the configured ids)</source>
        <translation>wśród szeregowych urządzeń USB nie ma terminala (żadne nie pasuje do skonfigurowanych identyfikatorów)</translation>
    </message>
    <message id="link.noVersion">
        <source>%s: not sent: the terminal did not report its firmware version</source>
        <translation>%s: nie wysłano: terminal nie podał wersji oprogramowania układowego</translation>
    </message>
    <message id="link.noWriter">
        <source>The flash writer %s is missing or cannot be read (%s). It comes from the terminal's vendor with the terminal's own software: put it there and try again. Nothing on the terminal was changed.</source>
        <translation>Programu zapisu pamięci flash %s brak lub nie można go odczytać (%s). Dostarcza go producent terminala razem z oprogramowaniem terminala: umieść go tam i spróbuj ponownie. Na terminalu nic nie zmieniono.</translation>
    </message>
    <message id="link.noisyLine">
        <source>the terminal's frames kept arriving damaged; check the cable and the line speed</source>
        <translation>ramki z terminala wciąż docierały uszkodzone; sprawdź kabel i szybkość transmisji</translation>
    </message>
    <message id="link.notAnswering">
        <source>the terminal does not answer; retrying (attempt %d of %d)</source>
        <translation>terminal nie odpowiada; ponawianie (próba %d z %d)</translation>
    </message>
    <message id="link.notFormatted">
        <source>the drive is not formatted</source>
        <translation>dysk nie jest sformatowany</translation>
    </message>
    <message id="link.notKernel">
        <source>%s is not a kernel image (a .bin file); nothing on the terminal was changed</source>
        <translation>%s nie jest obrazem jądra (plikiem .bin); na terminalu nic nie zmieniono</translation>
    </message>
    <message id="link.notSent">
        <source>the terminal did not send it (%s)</source>
        <translation>terminal go nie wysłał (%s)</translation>
    </message>
    <message id="link.otherModel">
        <source>The terminal is a model this program cannot update (class %d, number %d)</source>
        <translation>Terminal jest modelem, którego ten program nie może aktualizować (klasa %d, numer %d)</translation>
    </message>
    <message id="link.path.component">
        <source>path component %s: %s</source>
        <translation>składnik ścieżki %s: %s</translation>
    </message>
    <message id="link.path.dot">
        <source>path has a '.' component</source>
        <translation>ścieżka zawiera składnik '.'</translation>
    </message>
    <message id="link.path.dotDot">
        <source>path has a '..' component</source>
        <translation>ścieżka zawiera składnik '..'</translation>
    </message>
    <message id="link.path.drive">
        <source>drive is not C: or D:</source>
        <translation>dysk to nie C: ani D:</translation>
    </message>
    <message id="link.path.empty">
        <source>path has an empty component</source>
        <translation>ścieżka zawiera pusty składnik</translation>
    </message>
    <message id="link.path.noBackslash">
        <source>path has no '\' after the drive</source>
        <translation>po dysku nie ma '\'</translation>
    </message>
    <message id="link.path.noDrive">
        <source>path does not start with a drive</source>
        <translation>ścieżka nie zaczyna się od dysku</translation>
    </message>
    <message id="link.path.noFile">
        <source>path names a folder, not a file</source>
        <translation>ścieżka wskazuje folder, a nie plik</translation>
    </message>
    <message id="link.path.slash">
        <source>path has a '/'</source>
        <translation>ścieżka zawiera '/'</translation>
    </message>
    <message id="link.pathTooLong">
        <source>The terminal path is too long: %s</source>
        <translation>Ścieżka na terminalu jest za długa: %s</translation>
    </message>
    <message id="link.permissionDenied">
        <source>permission denied on %s: %s</source>
        <translation>brak uprawnień do %s: %s</translation>
    </message>
    <message id="link.refused">
        <source>The terminal sent %s where %s was expected; it was refused.</source>
        <translation>Terminal wysłał %s, a oczekiwano: %s; odrzucono.</translation>
    </message>
    <message id="link.rootFolder">
        <source>%s is a drive, not a folder: the terminal keeps files in the folders of a drive; name one, e.g. %sData</source>
        <translation>%s to dysk, nie folder: terminal przechowuje pliki w folderach dysku; podaj folder, np. %sData</translation>
    </message>
    <message id="link.settingsCancelled">
        <source>the port settings were cancelled</source>
        <translation>ustawienia portu zostały anulowane</translation>
    </message>
    <message id="link.severalUsb">
        <source>%d USB serial devices are connected and UsbIds names none of them as the terminal, so none is guessed at: %s. Name the terminal's with `feldspan-cli config FeldSpan/Settings/UsbIds VVVV:PPPP`, or use --device</source>
        <translation>podłączono %d urządzeń szeregowych USB, a UsbIds nie wskazuje żadnego jako terminala, więc nic nie jest zgadywane: %s. Wskaż urządzenie terminala poleceniem `feldspan-cli config FeldSpan/Settings/UsbIds VVVV:PPPP` albo użyj --device</translation>
    </message>
    <message id="link.stayedBusy">
        <source>the terminal stayed busy and did not take the data</source>
        <translation>terminal był stale zajęty i nie przyjął danych</translation>
    </message>
    <message id="link.stoppedAnswering">
        <source>the terminal stopped answering (is it still switched on and in its cradle?)</source>
        <translation>terminal przestał odpowiadać (czy nadal jest włączony i w stacji dokującej?)</translation>
    </message>
    <message id="link.tooBig">
        <source>%s: too big to send to the terminal</source>
        <translation>%s: za duży, aby wysłać go do terminala</translation>
    </message>
    <message id="link.updateBaud">
        <source>The port could not be switched to %d bit/s for the update: %s</source>
        <translation>Nie udało się przełączyć portu na %d bit/s do aktualizacji: %s</translation>
    </message>
    <message id="link.waitFailed">
        <source>its wait failed: %s</source>
        <translation>oczekiwanie nie powiodło się: %s</translation>
    </message>
    <message id="link.writerEmpty">
        <source>it is empty</source>
        <translation>jest pusty</translation>
    </message>
    <message id="link.writerLoop">
        <source>The terminal keeps asking for the flash writer; giving up.</source>
        <translation>Terminal wciąż żąda programu zapisu pamięci flash; rezygnacja.</translation>
    </message>
    <message id="listing.noAnswer">
        <source>the terminal did not list it</source>
        <translation>terminal go nie wylistował</translation>
    </message>
    <message id="listing.notConfirmed">
        <source>sent but not confirmed: the terminal's listing of %s failed (%s): %s</source>
        <translation>wysłano, ale bez potwierdzenia: listowanie %s na terminalu nie powiodło się (%s): %s</translation>
    </message>
    <message id="listing.notFound">
        <source>sent but not found on the terminal: %s</source>
        <translation>wysłano, ale nie ma go na terminalu: %s</translation>
    </message>
    <message id="listing.otherSize">
        <source>sent but of another size on the terminal: %s (%u bytes there, %u sent)</source>
        <translation>wysłano, ale na terminalu ma inny rozmiar: %s (tam %u bajtów, wysłano %u)</translation>
    </message>
    <message id="menu.dataReceive">
        <source>資料接收</source>
        <translation>Odbiór danych</translation>
    </message>
    <message id="menu.file">
        <source>檔案</source>
        <translation>&amp;Plik</translation>
    </message>
    <message id="menu.help">
        <source>說明</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message id="menu.language">
        <source>語言</source>
        <translation>Język</translation>
    </message>
    <message id="menu.portChoice">
        <source>連接埠選擇</source>
        <translation>Wybór portu</translation>
    </message>
    <message id="menu.resident">
        <source>常駐</source>
        <translation>Tryb stały</translation>
    </message>
    <message id="menu.settings">
        <source>設定</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message id="menu.tools">
        <source>工具</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message id="menu.window">
        <source>視窗</source>
        <translation>&amp;Okno</translation>
    </message>
    <message id="pc.fileSystem">
        <source>檔案系統</source>
        <translation>System plików</translation>
    </message>
    <message id="pc.home">
        <source>個人資料夾</source>
        <translation>Folder domowy</translation>
    </message>
    <message id="port.baud">
        <source>傳輸速率:</source>
        <translation>Szybkość transmisji:</translation>
    </message>
    <message id="port.connect">
        <source>連線</source>
        <translation>Połącz</translation>
    </message>
    <message id="port.databits">
        <source>資料位元:</source>
        <translation>Bity danych:</translation>
    </message>
    <message id="port.device">
        <source>序列埠:</source>
        <translation>Port szeregowy:</translation>
    </message>
    <message id="port.lineErrors">
        <source>顯示線路錯誤</source>
        <translation>Pokazuj błędy linii</translation>
    </message>
    <message id="port.parity">
        <source>同位檢查:</source>
        <translation>Parzystość:</translation>
    </message>
    <message id="port.parity.even">
        <source>偶數</source>
        <translation>Parzysta</translation>
    </message>
    <message id="port.parity.none">
        <source>無</source>
        <translation>Brak</translation>
    </message>
    <message id="port.parity.odd">
        <source>奇數</source>
        <translation>Nieparzysta</translation>
    </message>
    <message id="port.stopbits">
        <source>停止位元:</source>
        <translation>Bity stopu:</translation>
    </message>
    <message id="port.title">
        <source>連接埠設定</source>
        <translation>Ustawienia portu</translation>
    </message>
    <message id="progress.bytes">
        <source>%1 bytes</source>
        <translation>%1 B</translation>
    </message>
    <message id="progress.cancel">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="progress.cancelling">
        <source>Stopping the transfer...</source>
        <translation>Zatrzymywanie transferu...</translation>
    </message>
    <message id="progress.kib">
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message id="progress.left">
        <source>%1:%2 left</source>
        <translation>pozostało %1:%2</translation>
    </message>
    <message id="progress.mib">
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message id="progress.rate">
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message id="project.beyondSlots">
        <source>%s: %s is not sent: a project holds lookup and data files 1 to 20 only</source>
        <translation>%s: %s nie zostanie wysłany: projekt obejmuje tylko pliki przeglądowe i pliki danych od 1 do 20</translation>
    </message>
    <message id="project.cancelled">
        <source>The send was cancelled: the message view lists the files not sent.</source>
        <translation>Wysyłanie anulowano: okno komunikatów wymienia pliki, których nie wysłano.</translation>
    </message>
    <message id="project.cancelledAt">
        <source>not sent %s: the send was cancelled here</source>
        <translation>nie wysłano %s: tu anulowano wysyłanie</translation>
    </message>
    <message id="project.fileMissing">
        <source>%s: %s is not on this PC (looked for %s)</source>
        <translation>%s: %s nie ma na tym komputerze (szukano: %s)</translation>
    </message>
    <message id="project.kept">
        <source>skipped %s: the terminal's file was kept, not overwritten: %s</source>
        <translation>pominięto %s: plik w terminalu zachowano, bez nadpisania: %s</translation>
    </message>
    <message id="project.listFailed">
        <source>The terminal's folder %s could not be listed (%s): every file is sent.</source>
        <translation>Nie udało się wylistować folderu %s na terminalu (%s): wysyłane są wszystkie pliki.</translation>
    </message>
    <message id="project.noFiles">
        <source>%s: no file to send; a project file names its files in lines such as &quot;Program=C:\Project\APP.ABP&quot;, &quot;Lookup1=...&quot;, &quot;DataFile1=...&quot;, &quot;SysFont=...&quot; and &quot;UserFont=...&quot;</source>
        <translation>%s: brak plików do wysłania; plik projektu wskazuje swoje pliki wierszami takimi jak &quot;Program=C:\Project\APP.ABP&quot;, &quot;Lookup1=...&quot;, &quot;DataFile1=...&quot;, &quot;SysFont=...&quot; i &quot;UserFont=...&quot;</translation>
    </message>
    <message id="project.notChecked">
        <source>Nothing was sent: these files cannot be sent as the projects name them.</source>
        <translation>Nic nie wysłano: tych plików nie można wysłać tak, jak wskazują je projekty.</translation>
    </message>
    <message id="project.notSent">
        <source>not sent %s -&gt; %s</source>
        <translation>nie wysłano %s -&gt; %s</translation>
    </message>
    <message id="project.notSentAfterStop">
        <source>not sent %s: the send stopped at an earlier file</source>
        <translation>nie wysłano %s: wysyłanie zatrzymało się na wcześniejszym pliku</translation>
    </message>
    <message id="project.onlyChanged">
        <source>Send only changed files</source>
        <translation>Wysyłaj tylko zmienione pliki</translation>
    </message>
    <message id="project.onlyChangedTip">
        <source>Skip each file the terminal already holds with the same name, size, date and time</source>
        <translation>Pomiń każdy plik, który terminal już ma pod tą samą nazwą, z tym samym rozmiarem, datą i godziną</translation>
    </message>
    <message id="project.open">
        <source>開啟</source>
        <translation>Otwórz</translation>
    </message>
    <message id="project.places">
        <source>%s, and %s in any letter case</source>
        <translation>%s oraz %s w dowolnej wielkości liter</translation>
    </message>
    <message id="project.sendTip">
        <source>Sends every project of the list to the terminal, in the list's order</source>
        <translation>Wysyła do terminala wszystkie projekty z listy, w kolejności listy</translation>
    </message>
    <message id="project.sentLine">
        <source>sent %s -&gt; %s</source>
        <translation>wysłano %s -&gt; %s</translation>
    </message>
    <message id="project.unchanged">
        <source>unchanged: %s</source>
        <translation>bez zmian: %s</translation>
    </message>
    <message id="project.warnings">
        <source>Some entries of the projects are not sent:</source>
        <translation>Niektóre wpisy projektów nie zostaną wysłane:</translation>
    </message>
    <message id="props.caption">
        <source>內容</source>
        <translation>Właściwości</translation>
    </message>
    <message id="props.created">
        <source>建立日期:</source>
        <translation>Utworzono:</translation>
    </message>
    <message id="props.location">
        <source>位置:</source>
        <translation>Położenie:</translation>
    </message>
    <message id="props.name">
        <source>名稱:</source>
        <translation>Nazwa:</translation>
    </message>
    <message id="props.size">
        <source>大小:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message id="props.type">
        <source>類型:</source>
        <translation>Typ:</translation>
    </message>
    <message id="receive.badEntry">
        <source>%s names no terminal file (%s)</source>
        <translation>%s nie wskazuje żadnego pliku terminala (%s)</translation>
    </message>
    <message id="receive.badName">
        <source>the terminal's file name cannot be used on this PC: </source>
        <translation>nazwy pliku z terminala nie można użyć na tym komputerze: </translation>
    </message>
    <message id="receive.kept">
        <source>received; the terminal kept %s</source>
        <translation>odebrano; terminal zachował %s</translation>
    </message>
    <message id="receive.noSuchFile">
        <source>the terminal has no such file</source>
        <translation>terminal nie ma takiego pliku</translation>
    </message>
    <message id="receive.notFetched">
        <source>%s was not received</source>
        <translation>nie odebrano %s</translation>
    </message>
    <message id="receive.oldUnreadable">
        <source>%s cannot be read, so nothing is added to it: %s</source>
        <translation>nie można odczytać %s, więc nic nie zostało do niego dopisane: %s</translation>
    </message>
    <message id="receiveDialog.append">
        <source>Append</source>
        <translation>Dopisz</translation>
    </message>
    <message id="receiveDialog.cancel">
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
    <message id="receiveDialog.delete">
        <source>檔案接收後刪除終端機檔案</source>
        <translation>Usuń plik z terminala po odebraniu</translation>
    </message>
    <message id="receiveDialog.file">
        <source>檔案:</source>
        <translation>Plik:</translation>
    </message>
    <message id="receiveDialog.format">
        <source>寫入格式:</source>
        <translation>Sposób zapisu:</translation>
    </message>
    <message id="receiveDialog.keepCr">
        <source>加入 &lt;Carriage-Return&gt; 字元</source>
        <translation>Dodaj znaki &lt;Carriage-Return&gt;</translation>
    </message>
    <message id="receiveDialog.keepLf">
        <source>加入 &lt;Line-Feed&gt; 字元</source>
        <translation>Dodaj znaki &lt;Line-Feed&gt;</translation>
    </message>
    <message id="receiveDialog.overwrite">
        <source>New/Overwrite</source>
        <translation>Nowy/Zastąp</translation>
    </message>
    <message id="receiveDialog.receive">
        <source>接收</source>
        <translation>Odbierz</translation>
    </message>
    <message id="receiveDialog.savePath">
        <source>儲存路徑:</source>
        <translation>Zapisz w:</translation>
    </message>
    <message id="receiveDialog.title">
        <source>資料接收</source>
        <translation>Odbiór danych</translation>
    </message>
    <message id="resident.badEntry">
        <source>collection entry '%s' names no terminal file (%s); write it as DATA1.TXT or C:\Data\DATA1.TXT</source>
        <translation>wpis zbierania '%s' nie wskazuje żadnego pliku terminala (%s); zapisz go jako DATA1.TXT lub C:\Data\DATA1.TXT</translation>
    </message>
    <message id="resident.noLink">
        <source>%s was not received: the terminal is not connected</source>
        <translation>nie odebrano %s: terminal nie jest połączony</translation>
    </message>
    <message id="standby.cancel">
        <source>取消(&amp;C)</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message id="standby.checkOnce">
        <source>偵測一次</source>
        <translation>sprawdzaj raz</translation>
    </message>
    <message id="standby.choose">
        <source>從終端機的 C:\Data 選擇檔案</source>
        <translation>Wybierz plik z folderu C:\Data terminala</translation>
    </message>
    <message id="standby.every">
        <source>每隔</source>
        <translation>Co</translation>
    </message>
    <message id="standby.fileTransfer">
        <source>檔案傳輸</source>
        <translation>Przesyłaj plik</translation>
    </message>
    <message id="standby.files">
        <source>終端機檔案</source>
        <translation>Pliki terminala</translation>
    </message>
    <message id="standby.first">
        <source>第一次</source>
        <translation>Pierwsza</translation>
    </message>
    <message id="standby.fixed">
        <source>定時</source>
        <translation>O stałych godzinach</translation>
    </message>
    <message id="standby.m1">
        <source>1 分</source>
        <translation>1 min</translation>
    </message>
    <message id="standby.m2">
        <source>2 分</source>
        <translation>2 min</translation>
    </message>
    <message id="standby.m3">
        <source>3 分</source>
        <translation>3 min</translation>
    </message>
    <message id="standby.noDataFiles">
        <source>終端機的 C:\Data 中沒有檔案</source>
        <translation>Folder C:\Data terminala nie zawiera plików</translation>
    </message>
    <message id="standby.ok">
        <source>確定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="standby.s10">
        <source>10 秒</source>
        <translation>10 s</translation>
    </message>
    <message id="standby.s20">
        <source>20 秒</source>
        <translation>20 s</translation>
    </message>
    <message id="standby.s30">
        <source>30 秒</source>
        <translation>30 s</translation>
    </message>
    <message id="standby.second">
        <source>第二次</source>
        <translation>Druga</translation>
    </message>
    <message id="standby.storage">
        <source>存放位置</source>
        <translation>Miejsce zapisu</translation>
    </message>
    <message id="standby.third">
        <source>第三次</source>
        <translation>Trzecia</translation>
    </message>
    <message id="standby.title">
        <source>常駐設定</source>
        <translation>Ustawienia trybu rezydentnego</translation>
    </message>
    <message id="status.busy">
        <source>正在與終端機通訊,請稍候</source>
        <translation>Trwa komunikacja z terminalem, proszę czekać</translation>
    </message>
    <message id="status.bytes">
        <source>bytes</source>
        <translation>bajtów</translation>
    </message>
    <message id="status.driveC">
        <source>磁碟機 C:</source>
        <translation>Dysk C:</translation>
    </message>
    <message id="status.driveD">
        <source>磁碟機 D:</source>
        <translation>Dysk D:</translation>
    </message>
    <message id="status.free">
        <source>剩餘空間:</source>
        <translation>Wolne miejsce:</translation>
    </message>
    <message id="status.ok">
        <source>確定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="status.terminal">
        <source>終端機</source>
        <translation>Terminal</translation>
    </message>
    <message id="status.title">
        <source>終端機狀態</source>
        <translation>Stan terminala</translation>
    </message>
    <message id="status.total">
        <source>全部空間:</source>
        <translation>Całkowite miejsce:</translation>
    </message>
    <message id="status.used">
        <source>使用空間:</source>
        <translation>Zajęte miejsce:</translation>
    </message>
    <message id="status.version">
        <source>韌體版本:</source>
        <translation>Wersja oprogramowania układowego:</translation>
    </message>
    <message id="term.refusedBecause">
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message id="term.status.Busy">
        <source>the terminal is busy</source>
        <translation>terminal jest zajęty</translation>
    </message>
    <message id="term.status.Done">
        <source>done</source>
        <translation>gotowe</translation>
    </message>
    <message id="term.status.Failed">
        <source>no valid answer</source>
        <translation>brak prawidłowej odpowiedzi</translation>
    </message>
    <message id="term.status.FileExists">
        <source>the file exists</source>
        <translation>plik istnieje</translation>
    </message>
    <message id="term.status.InUse">
        <source>a file is in use on the terminal</source>
        <translation>plik na terminalu jest w użyciu</translation>
    </message>
    <message id="term.status.InUse2">
        <source>a file is in use on the terminal</source>
        <translation>plik na terminalu jest w użyciu</translation>
    </message>
    <message id="term.status.InUse3">
        <source>a file is in use on the terminal</source>
        <translation>plik na terminalu jest w użyciu</translation>
    </message>
    <message id="term.status.LastKnown">
        <source>a status of the terminal's own</source>
        <translation>własny stan terminala</translation>
    </message>
    <message id="term.status.LowPower">
        <source>the terminal's power is too low</source>
        <translation>zasilanie terminala jest za słabe</translation>
    </message>
    <message id="term.status.NeedsDefrag">
        <source>drive D: must be defragmented</source>
        <translation>dysk D: wymaga defragmentacji</translation>
    </message>
    <message id="term.status.NoSpace">
        <source>not enough space on the drive</source>
        <translation>za mało miejsca na dysku</translation>
    </message>
    <message id="term.status.NotFormatted">
        <source>the drive is not formatted</source>
        <translation>dysk nie jest sformatowany</translation>
    </message>
    <message id="term.status.Refused">
        <source>the terminal refused the name or path</source>
        <translation>terminal odrzucił nazwę lub ścieżkę</translation>
    </message>
    <message id="term.status.TransferDone">
        <source>the terminal did not take it (status 2)</source>
        <translation>terminal go nie przyjął (stan 2)</translation>
    </message>
    <message id="term.status.WantsFlashWriter">
        <source>the terminal asks for the flash writer</source>
        <translation>terminal żąda programu zapisu pamięci flash</translation>
    </message>
    <message id="term.status.unknown">
        <source>the terminal refused (status %d)</source>
        <translation>terminal odmówił (stan %d)</translation>
    </message>
    <message id="transfer.cancelled">
        <source>The transfer was cancelled: nothing of the file was kept.</source>
        <translation>Transfer został anulowany: nic z pliku nie zostało zachowane.</translation>
    </message>
    <message id="transfer.cancelledAt">
        <source>Cancelled at %s: it and the files after it were not copied</source>
        <translation>Anulowano przy %s: ten plik i następne nie zostały skopiowane</translation>
    </message>
    <message id="transfer.skipped">
        <source>Skipped %s: the file there was not replaced</source>
        <translation>Pominięto %s: tamtejszego pliku nie zastąpiono</translation>
    </message>
    <message id="tree.andMore">
        <source>……以及另外 %d 個檔案</source>
        <translation>… i %d innych plików</translation>
    </message>
    <message id="tree.copy">
        <source>複製</source>
        <translation>Kopiuj</translation>
    </message>
    <message id="tree.cut">
        <source>剪下</source>
        <translation>Wytnij</translation>
    </message>
    <message id="tree.date">
        <source>日期</source>
        <translation>Data</translation>
    </message>
    <message id="tree.delete">
        <source>刪除</source>
        <translation>Usuń</translation>
    </message>
    <message id="tree.deleteAsk">
        <source>要從終端機永久刪除下列檔案嗎?&#xd;
%s</source>
        <translation>Trwale usunąć te pliki z terminala?&#xd;
%s</translation>
    </message>
    <message id="tree.format">
        <source>格式化</source>
        <translation>Formatuj</translation>
    </message>
    <message id="tree.kept">
        <source>%s未刪除</source>
        <translation>Nie usunięto %s</translation>
    </message>
    <message id="tree.name">
        <source>名稱</source>
        <translation>Nazwa</translation>
    </message>
    <message id="tree.noTrash">
        <source>下列檔案無法移到垃圾桶:&#xd;
%s&#xd;
要永久刪除它們嗎?</source>
        <translation>Tych plików nie można przenieść do kosza:&#xd;
%s&#xd;
Usunąć je trwale?</translation>
    </message>
    <message id="tree.paste">
        <source>貼上</source>
        <translation>Wklej</translation>
    </message>
    <message id="tree.properties">
        <source>內容</source>
        <translation>Właściwości</translation>
    </message>
    <message id="tree.size">
        <source>大小</source>
        <translation>Rozmiar</translation>
    </message>
    <message id="tree.trashed">
        <source>已將%s移到垃圾桶</source>
        <translation>Przeniesiono %s do kosza</translation>
    </message>
</context>
</TS>
