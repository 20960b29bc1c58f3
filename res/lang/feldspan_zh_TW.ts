<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_TW">
<context>
    <name>FeldSpan</name>
    <message id="100">
        <source>OLE initialization failed.  Make sure that the OLE libraries are the correct version.</source>
        <translation>OLE 初始化失敗。請確認 OLE 程式庫的版本正確。</translation>
    </message>
    <message id="57344">
        <source>FeldSpan</source>
        <translation>FeldSpan</translation>
    </message>
    <message id="61299">
        <source>Project:</source>
        <translation>專案：</translation>
    </message>
    <message id="61300">
        <source>Program:</source>
        <translation>程式：</translation>
    </message>
    <message id="61301">
        <source>Font:</source>
        <translation>字型：</translation>
    </message>
    <message id="61302">
        <source>Lookup File:</source>
        <translation>查詢檔：</translation>
    </message>
    <message id="61303">
        <source>Data File:</source>
        <translation>資料檔：</translation>
    </message>
    <message id="cli.collect.daily">
        <source>daily at </source>
        <translation>每天於 </translation>
    </message>
    <message id="cli.collect.every">
        <source>every %d s</source>
        <translation>每隔 %d 秒</translation>
    </message>
    <message id="cli.collect.noFiles">
        <source>no terminal file is switched on for collection: set FeldSpan/Standby/FileEnable1 and string1 (and the others) with `feldspan-cli config KEY VALUE`, or in the window's resident settings</source>
        <translation>沒有啟用要收集的終端機檔案：請用 `feldspan-cli config KEY VALUE` 設定 FeldSpan/Standby/FileEnable1 和 string1（及其他），或在視窗的常駐設定中設定</translation>
    </message>
    <message id="cli.collect.noTimes">
        <source>at fixed times, none of which is switched on</source>
        <translation>定時，但沒有啟用任何時間</translation>
    </message>
    <message id="cli.collect.start">
        <source>collecting %d file(s) %s into %s; Ctrl-C stops</source>
        <translation>正在收集 %d 個檔案，%s，存入 %s；按 Ctrl-C 停止</translation>
    </message>
    <message id="cli.collect.storage">
        <source>storage folder (FeldSpan/Standby/SavePath): </source>
        <translation>存放資料夾 (FeldSpan/Standby/SavePath)：</translation>
    </message>
    <message id="cli.defrag.done">
        <source>drive D: defragmented: %d file(s) back in place</source>
        <translation>磁碟機 D: 重組完成:%d 個檔案已放回原處</translation>
    </message>
    <message id="cli.defrag.finished">
        <source>the earlier defragmentation is finished: %d file(s) of drive D: are back in place</source>
        <translation>上次的資料重組已完成:磁碟機 D: 的 %d 個檔案已放回原處</translation>
    </message>
    <message id="cli.defrag.notDone">
        <source>drive D: was not defragmented</source>
        <translation>磁碟機 D: 沒有重組</translation>
    </message>
    <message id="cli.defrag.notFinished">
        <source>the earlier defragmentation was not finished: the copies stay in %s (use --yes to send them back)</source>
        <translation>上次的資料重組沒有完成:複本仍保留在 %s(使用 --yes 將它們傳回)</translation>
    </message>
    <message id="cli.defrag.unformatted">
        <source>drive D: is not formatted: there is nothing to defragment</source>
        <translation>磁碟機 D: 尚未格式化:沒有可重組的內容</translation>
    </message>
    <message id="cli.help.about">
        <source>Links this PC with the handheld terminal and its cradle.</source>
        <translation>連接本機與手持終端機及其充電座。</translation>
    </message>
    <message id="cli.help.collect">
        <source>Runs the resident schedule of the FeldSpan/Standby settings until Ctrl-C.
  --once   one pass, exit 1 when a file failed
  --json   with --once: the pass's counts as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 collect --once</source>
        <translation>依 FeldSpan/Standby 設定執行常駐排程，直到按 Ctrl-C。
  --once   只執行一輪，有檔案失敗時結束碼為 1
  --json   配合 --once：以 JSON 輸出該輪的計數
Example:
  feldspan-cli --device /dev/ttyUSB0 collect --once</translation>
    </message>
    <message id="cli.help.command">
        <source>The command to run (below).</source>
        <translation>要執行的指令（見下方）。</translation>
    </message>
    <message id="cli.help.commands">
        <source>Commands:</source>
        <translation>指令：</translation>
    </message>
    <message id="cli.help.config">
        <source>  KEY        a key as 'config' lists it, e.g. FeldSpan/Settings/Baudrate
  VALUE      the new value; only that key's line is written
Example:
  feldspan-cli config FeldSpan/Settings/UsbIds 0403:6001</source>
        <translation>  KEY        'config' 列出的鍵，例如 FeldSpan/Settings/Baudrate
  VALUE      新的值；只寫入該鍵的那一行
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
        <translation>  list               DFU 裝置：產品名稱、廠商、產品與版本 ID
  check FILE.dfu     檢查韌體檔，並顯示各種充電座會寫入的內容
  image FILE.dfu OUT 寫出檔案描述的 64 KiB 記憶體映像
  update FILE.dfu    更新充電座韌體（--index N：'list' 所列的裝置編號）
  version            充電座的韌體版本（配合 --usb）
  --sim DESCRIPTION  以模擬的充電座回應相同的呼叫（1：預設的那一個）
  --json             list 與 check 以 JSON 輸出
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
        <translation>將 D:\Fonts、D:\Lookup 與 D:\Program 的每個檔案複製到專案資料夾，檢查複本，
格式化 D: 後再傳回。只有每個複本都完整時才會格式化 D:；中斷過的重組會從複本完成，
不會再次格式化。
  --yes    以「是」回答問題（全域選項）
只有每個檔案都放回時結束碼才是 0。
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
        <translation>檢查序列埠存取權、udev 規則、ModemManager、佔用連接埠的程式、
USB 轉序列的延遲計時器、更新充電座所需的 USB 存取權與中文字型。
一切正常時結束碼為 0，有需要修正之處時為 1。
  --json   以 JSON 輸出各項檢查
Example:
  feldspan-cli doctor</translation>
    </message>
    <message id="cli.help.dump">
        <source>  C|D   the drive
  OUT   a file, or a folder for the image's own name (default: the project folder)
Example:
  feldspan-cli dump C ~/images/</source>
        <translation>  C|D   磁碟
  OUT   檔案，或放入映像本身名稱的資料夾（預設：專案資料夾）
Example:
  feldspan-cli dump C ~/images/</translation>
    </message>
    <message id="cli.help.firmware">
        <source>  KERNEL.bin   the kernel image; drives C: and D: are erased first (asks)
Example:
  feldspan-cli --device /dev/ttyUSB0 firmware KERNEL.bin</source>
        <translation>  KERNEL.bin   核心映像；會先清除磁碟 C: 與 D:（會先詢問）
Example:
  feldspan-cli --device /dev/ttyUSB0 firmware KERNEL.bin</translation>
    </message>
    <message id="cli.help.font">
        <source>  FILE.sft   a language-support font (&quot;@oemb-*.sft&quot;, an 8.3 name), sent into D:\Fonts
Exit 0 only when the terminal stored it.
Example:
  feldspan-cli --device /dev/ttyUSB0 font @oemb-tc.sft</source>
        <translation>  FILE.sft   語系支援字型（&quot;@oemb-*.sft&quot;，8.3 格式的檔名），傳入 D:\Fonts
只有終端機儲存成功時結束碼才是 0。
Example:
  feldspan-cli --device /dev/ttyUSB0 font @oemb-tc.sft</translation>
    </message>
    <message id="cli.help.footer">
        <source>Run 'feldspan-cli COMMAND --help' for a command's arguments and an example.
Exit codes: 0 success, 1 failure (the reason is on stderr), 2 usage error.</source>
        <translation>執行 'feldspan-cli COMMAND --help' 查看指令的參數與範例。
結束碼：0 成功，1 失敗（原因在 stderr），2 用法錯誤。</translation>
    </message>
    <message id="cli.help.format">
        <source>  C:|D:   the drive to format (asks first; --yes answers)
Example:
  feldspan-cli format C:</source>
        <translation>  C:|D:   要格式化的磁碟（會先詢問；--yes 代為回答）
Example:
  feldspan-cli format C:</translation>
    </message>
    <message id="cli.help.get">
        <source>  TERMINAL_PATH   e.g. C:\Data\DATA1.TXT ('/' may stand for '\')
  LOCAL_PATH      a file, or a folder for the terminal file's name
Example:
  feldspan-cli get C:/Data/DATA1.TXT data1.txt</source>
        <translation>  TERMINAL_PATH   例如 C:\Data\DATA1.TXT（'/' 可代替 '\'）
  LOCAL_PATH      檔案，或以終端機檔名存入的資料夾
Example:
  feldspan-cli get C:/Data/DATA1.TXT data1.txt</translation>
    </message>
    <message id="cli.help.info">
        <source>  --json   the result as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 info --json</source>
        <translation>  --json   以 JSON 輸出結果
Example:
  feldspan-cli --device /dev/ttyUSB0 info --json</translation>
    </message>
    <message id="cli.help.ls">
        <source>  FOLDER   a terminal folder, e.g. C:\Data
  --json   the entries as JSON
Example:
  feldspan-cli ls C:/Data</source>
        <translation>  FOLDER   終端機的資料夾，例如 C:\Data
  --json   以 JSON 輸出項目
Example:
  feldspan-cli ls C:/Data</translation>
    </message>
    <message id="cli.help.ping">
        <source>Opens the port and checks that the terminal answers.
  --json   the result as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 ping</source>
        <translation>開啟連接埠並檢查終端機是否回應。
  --json   以 JSON 輸出結果
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
        <translation>列出序列埠及其 USB ID、說明與序號；UsbIds 設定所指的
終端機會加上標記。
  --usb    只列 USB 序列埠，並標出 --usb 會連接的那一個
  --json   以 JSON 輸出連接埠
Example:
  feldspan-cli ports --json</translation>
    </message>
    <message id="cli.help.put">
        <source>  LOCAL_FILE        an ordinary file with an 8.3 name
  TERMINAL_FOLDER   e.g. C:\Data
Example:
  feldspan-cli put stock.dat C:/Data</source>
        <translation>  LOCAL_FILE        一般檔案，8.3 檔名
  TERMINAL_FOLDER   例如 C:\Data
Example:
  feldspan-cli put stock.dat C:/Data</translation>
    </message>
    <message id="cli.help.receive">
        <source>  NAME...   data files of C:\Data
  --to DIR  the folder to save into (default: the Receive folder of the settings)
  --json    the files received as JSON
Example:
  feldspan-cli receive DATA1.TXT --to ~/scans --drop-cr</source>
        <translation>  NAME...   C:\Data 中的資料檔
  --to DIR  存入的資料夾（預設：設定中的接收資料夾）
  --json    以 JSON 輸出接收的檔案
Example:
  feldspan-cli receive DATA1.TXT --to ~/scans --drop-cr</translation>
    </message>
    <message id="cli.help.rm">
        <source>  TERMINAL_PATH...   files (or empty folders) on the terminal
Example:
  feldspan-cli rm C:/Data/DATA1.TXT</source>
        <translation>  TERMINAL_PATH...   終端機上的檔案（或空資料夾）
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
        <translation>  PROJECT.ini...     專案檔(不指定時:Builder.ini 交來的那個)
  --skip-unchanged   略過終端機上名稱、大小、日期和時間都相同的檔案
                     (先列出它的資料夾)
  --json             以 JSON 輸出傳送的檔案
傳送後會再次列出終端機的資料夾:不在那裡或大小與傳送時不同的檔案使傳送失敗。
Example:
  feldspan-cli send --skip-unchanged samples/FeldBuilder/Project/SAMPLE/SAMPLE.ini</translation>
    </message>
    <message id="cli.json.failed">
        <source>%s failed</source>
        <translation>%s 失敗</translation>
    </message>
    <message id="cli.json.usage">
        <source>wrong arguments; usage: feldspan-cli %s</source>
        <translation>參數錯誤；用法：feldspan-cli %s</translation>
    </message>
    <message id="cli.noDiskInfoWhy">
        <source>the terminal did not report its disk information</source>
        <translation>終端機沒有回報磁碟資訊</translation>
    </message>
    <message id="cli.noFontHandOver">
        <source>this front end cannot hand the font file to the download</source>
        <translation>此前端無法把字型檔交給下載</translation>
    </message>
    <message id="cli.noKernelHandOver">
        <source>this front end cannot hand the kernel file to the update</source>
        <translation>這個介面無法將核心檔交給更新程序</translation>
    </message>
    <message id="cli.noSuchEntry">
        <source>%s: no such file or folder on the terminal</source>
        <translation>%s: 終端機上沒有這個檔案或資料夾</translation>
    </message>
    <message id="cli.noSuchFileOrFull">
        <source>%s: no such file on the terminal (or a folder that is not empty)</source>
        <translation>%s: 終端機上沒有這個檔案 (或是資料夾不是空的)</translation>
    </message>
    <message id="cli.notFetched">
        <source>%s was not fetched</source>
        <translation>%s 沒有取回</translation>
    </message>
    <message id="cli.notFetchedExists">
        <source>not fetched: %s exists (use --yes to replace it)</source>
        <translation>沒有取回: %s 已存在 (要取代請用 --yes)</translation>
    </message>
    <message id="cli.notFormatted">
        <source>%s: the drive is not formatted</source>
        <translation>%s: 磁碟機尚未格式化</translation>
    </message>
    <message id="cli.notFormattedDrive">
        <source>drive %s was not formatted</source>
        <translation>磁碟機 %s 沒有格式化</translation>
    </message>
    <message id="cli.notListed">
        <source>could not list %s on the terminal</source>
        <translation>無法列出終端機上的 %s</translation>
    </message>
    <message id="cli.notRemoved">
        <source>could not remove %s</source>
        <translation>無法刪除 %s</translation>
    </message>
    <message id="cli.notSent">
        <source>%s was not sent</source>
        <translation>%s 沒有傳送</translation>
    </message>
    <message id="cli.notSentExists">
        <source>not sent: %s exists on the terminal (use --yes to overwrite)</source>
        <translation>沒有傳送: 終端機上已有 %s (要覆寫請用 --yes)</translation>
    </message>
    <message id="cli.notTerminalPath">
        <source>'%s' is not a path on the terminal (%s); write it as C:\Data\NAME.TXT</source>
        <translation>'%s' 不是終端機上的路徑 (%s); 請寫成 C:\Data\NAME.TXT</translation>
    </message>
    <message id="cli.opt.baud">
        <source>Line speed in bit/s, for this run: one of %s.</source>
        <translation>本次執行的傳輸速率（bit/s）：%s 之一。</translation>
    </message>
    <message id="cli.opt.device">
        <source>The terminal's serial device, for this run (e.g. /dev/ttyUSB0).</source>
        <translation>本次執行使用的終端機序列裝置（例如 /dev/ttyUSB0）。</translation>
    </message>
    <message id="cli.opt.help">
        <source>Show this help, or a command's.</source>
        <translation>顯示此說明，或指令的說明。</translation>
    </message>
    <message id="cli.opt.settings">
        <source>Use this INI file instead of the user's settings.</source>
        <translation>使用此 INI 檔取代使用者的設定。</translation>
    </message>
    <message id="cli.opt.usb">
        <source>Connect over USB, for this run.</source>
        <translation>本次執行經由 USB 連線。</translation>
    </message>
    <message id="cli.opt.verbose">
        <source>Show status, port and debug lines (QT_LOGGING_RULES picks single ones).</source>
        <translation>顯示狀態、連接埠與除錯訊息（QT_LOGGING_RULES 可個別選擇）。</translation>
    </message>
    <message id="cli.opt.version">
        <source>Show the version.</source>
        <translation>顯示版本。</translation>
    </message>
    <message id="cli.opt.yes">
        <source>Answer Yes/OK to every question.</source>
        <translation>對每個問題都回答 是/確定。</translation>
    </message>
    <message id="cli.ports.serial">
        <source>serial %s</source>
        <translation>序號 %s</translation>
    </message>
    <message id="cli.ports.terminal">
        <source>[terminal]</source>
        <translation>[終端機]</translation>
    </message>
    <message id="cli.refusedName">
        <source>%s: the terminal refused the name or path</source>
        <translation>%s: 終端機拒絕了這個名稱或路徑</translation>
    </message>
    <message id="cli.replaceLocal">
        <source>%s exists on this PC. Replace it?</source>
        <translation>這台電腦上已有 %s。要取代嗎?</translation>
    </message>
    <message id="cli.send.keptWhy">
        <source>the file exists on the terminal and was not overwritten</source>
        <translation>終端機上已有該檔案，未覆寫</translation>
    </message>
    <message id="cli.send.missing">
        <source>the project Builder.ini hands over is not there: </source>
        <translation>Builder.ini 指定的專案不存在: </translation>
    </message>
    <message id="cli.send.none">
        <source>no project given, and the project folder's Builder.ini hands none over</source>
        <translation>未指定專案,專案資料夾的 Builder.ini 也沒有指定</translation>
    </message>
    <message id="cli.unknownKey">
        <source>unknown key '%s' (run 'feldspan-cli config' to list the keys)</source>
        <translation>未知的設定 '%s' (執行 'feldspan-cli config' 可列出所有設定)</translation>
    </message>
    <message id="cli.unsafeName">
        <source>the terminal name '%s' cannot be used as a file name here; give a local file name</source>
        <translation>終端機上的名稱 '%s' 在這裡不能當檔名使用; 請指定本機檔名</translation>
    </message>
    <message id="cli.usageHint">
        <source>usage: feldspan-cli [OPTIONS] COMMAND [ARGS...] ('feldspan-cli --help' lists the options and commands)</source>
        <translation>用法：feldspan-cli [OPTIONS] COMMAND [ARGS...]（'feldspan-cli --help' 列出選項與指令）</translation>
    </message>
    <message id="cmd.portUsb">
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message id="config.badStored">
        <source>bad value %s for %s in %s (it takes %s); using the default %s</source>
        <translation>不正確的值 %s: %s (於 %s, 可用的值為 %s); 改用預設值 %s</translation>
    </message>
    <message id="config.badValue">
        <source>%s takes %s, not &quot;%s&quot;</source>
        <translation>%s 的值必須是%s, 不能是 &quot;%s&quot;</translation>
    </message>
    <message id="config.cannotWrite">
        <source>cannot write the settings to %s: %s</source>
        <translation>無法將設定寫入 %s: %s</translation>
    </message>
    <message id="config.empty">
        <source>%s cannot be empty</source>
        <translation>%s 不能是空的</translation>
    </message>
    <message id="config.ini.line">
        <source>line %s: &quot;%s&quot; is neither a KEY=VALUE line, a [section] nor a comment</source>
        <translation>第 %s 行: &quot;%s&quot; 既不是 KEY=VALUE 行、[區段] 也不是註解</translation>
    </message>
    <message id="config.ini.open">
        <source>line %s: &quot;%s&quot; runs to the end of the file (a quote not closed, or a backslash at the end of the last line)</source>
        <translation>第 %s 行: &quot;%s&quot; 一直延續到檔案結尾 (引號沒有結束, 或最後一行結尾有反斜線)</translation>
    </message>
    <message id="config.ini.readBack">
        <source>the changed settings would not read back (%s)</source>
        <translation>變更後的設定無法正確讀回 (%s)</translation>
    </message>
    <message id="config.ini.section">
        <source>line %s: the section header &quot;%s&quot; has no closing &quot;]&quot;</source>
        <translation>第 %s 行: 區段標題 &quot;%s&quot; 沒有結束的 &quot;]&quot;</translation>
    </message>
    <message id="config.none">
        <source>(none)</source>
        <translation>(無)</translation>
    </message>
    <message id="config.notSettings">
        <source>not changing the settings: %s is not a valid settings file (%s)</source>
        <translation>設定沒有變更: %s 不是有效的設定檔 (%s)</translation>
    </message>
    <message id="config.programsOwn">
        <source>%s is written by the program itself</source>
        <translation>%s 由程式自行寫入</translation>
    </message>
    <message id="config.projectNotWritable">
        <source>The project folder %s cannot be written to (%s): files from the terminal cannot be kept there. Make it writable, or choose another project folder.</source>
        <translation>無法寫入專案資料夾 %s（%s）：來自終端機的檔案無法存放在那裡。請讓它可以寫入，或選擇另一個專案資料夾。</translation>
    </message>
    <message id="config.store.access">
        <source>the file cannot be written (check its permissions and the free space)</source>
        <translation>無法寫入檔案 (請檢查權限和剩餘空間)</translation>
    </message>
    <message id="config.store.create">
        <source>cannot create a file in %s</source>
        <translation>無法在 %s 中建立檔案</translation>
    </message>
    <message id="config.store.folder">
        <source>cannot create the folder %s</source>
        <translation>無法建立資料夾 %s</translation>
    </message>
    <message id="config.store.format">
        <source>the file is not a valid settings file</source>
        <translation>這個檔案不是有效的設定檔</translation>
    </message>
    <message id="config.store.lockFile">
        <source>cannot create the lock file %s.lock</source>
        <translation>無法建立鎖定檔 %s.lock</translation>
    </message>
    <message id="config.store.locked">
        <source>another program keeps the settings locked (%s.lock)</source>
        <translation>另一個程式鎖定了設定 (%s.lock)</translation>
    </message>
    <message id="config.store.notAsIntended">
        <source>the changed settings did not read back as intended; %s was left as it was</source>
        <translation>變更後的設定讀回的內容與預期不同; %s 保持原狀</translation>
    </message>
    <message id="config.store.notFile">
        <source>%s is not a regular file</source>
        <translation>%s 不是一般檔案</translation>
    </message>
    <message id="config.store.read">
        <source>cannot read %s</source>
        <translation>無法讀取 %s</translation>
    </message>
    <message id="config.store.readBack">
        <source>cannot read back %s</source>
        <translation>無法讀回 %s</translation>
    </message>
    <message id="config.store.resolve">
        <source>%s cannot be resolved</source>
        <translation>無法解析 %s</translation>
    </message>
    <message id="config.store.unknown">
        <source>unknown error</source>
        <translation>未知的錯誤</translation>
    </message>
    <message id="config.store.write">
        <source>cannot write %s</source>
        <translation>無法寫入 %s</translation>
    </message>
    <message id="config.takes.flag">
        <source>0 or 1</source>
        <translation>0 或 1</translation>
    </message>
    <message id="config.takes.number">
        <source>a whole number</source>
        <translation>整數</translation>
    </message>
    <message id="config.takes.oneOf">
        <source>one of %s</source>
        <translation>下列之一: %s</translation>
    </message>
    <message id="config.takes.range">
        <source>a whole number from %d to %d</source>
        <translation>%d 到 %d 的整數</translation>
    </message>
    <message id="config.takes.text">
        <source>a text</source>
        <translation>文字</translation>
    </message>
    <message id="config.takes.time">
        <source>a time in seconds since 1970 (a 32-bit number)</source>
        <translation>自 1970 年起的秒數 (32 位元數字)</translation>
    </message>
    <message id="config.takes.usbIds">
        <source>a list of VENDOR:PRODUCT hex ids separated by commas</source>
        <translation>以逗號分隔的 VENDOR:PRODUCT 十六進位 ID 清單</translation>
    </message>
    <message id="config.unknownKey">
        <source>unknown key: %s</source>
        <translation>未知的設定: %s</translation>
    </message>
    <message id="cradle.byteOutside">
        <source>the byte at %s lies outside the area the update writes (%s) and is not written</source>
        <translation>位於 %s 的位元組在更新寫入的範圍 (%s) 之外, 不會被寫入</translation>
    </message>
    <message id="cradle.bytesOutside">
        <source>bytes at %s lie outside the area the update writes (%s) and are not written</source>
        <translation>位於 %s 的位元組在更新寫入的範圍 (%s) 之外, 不會被寫入</translation>
    </message>
    <message id="cradle.cannotWriteImageWhy">
        <source>cannot write the image to %s (%s)</source>
        <translation>無法將映像寫入 %s（%s）</translation>
    </message>
    <message id="cradle.dfuStatusWords">
        <source>the cradle reported DFU status %u</source>
        <translation>充電座回報 DFU 狀態 %u</translation>
    </message>
    <message id="cradle.failedAtEnd">
        <source>the cradle update failed at its end: every block was written, but the cradle did not take the new firmware, %s. The cradle may not start until an update completes: run the update again</source>
        <translation>充電座更新在最後一步失敗: 所有資料區塊都已寫入, 但充電座沒有接受新韌體, %s。在更新完成之前充電座可能無法啟動: 請重新執行更新</translation>
    </message>
    <message id="cradle.failedInPhase">
        <source>the cradle update failed in phase %d, %s</source>
        <translation>充電座更新在第 %d 階段失敗, %s</translation>
    </message>
    <message id="cradle.file.at">
        <source>byte %u (line %u)</source>
        <translation>第 %u 位元組 (第 %u 行)</translation>
    </message>
    <message id="cradle.file.cannotOpen">
        <source>cannot open %s: %s</source>
        <translation>無法開啟 %s: %s</translation>
    </message>
    <message id="cradle.file.cannotRead">
        <source>cannot read %s</source>
        <translation>無法讀取 %s</translation>
    </message>
    <message id="cradle.file.checksum">
        <source>checksum %s does not match the record's bytes, which give %s: the record is damaged</source>
        <translation>檢查碼 %s 與記錄的位元組不符 (按位元組應為 %s): 記錄已損壞</translation>
    </message>
    <message id="cradle.file.countHigh">
        <source>S1 byte count %u is above 35</source>
        <translation>S1 位元組數 %u 超過 35</translation>
    </message>
    <message id="cradle.file.countLow">
        <source>S1 byte count %u leaves no room for the address and checksum</source>
        <translation>S1 位元組數 %u 放不下位址和檢查碼</translation>
    </message>
    <message id="cradle.file.countZero">
        <source>byte count 0 leaves no room for the checksum</source>
        <translation>位元組數 0 沒有留下檢查碼的位置</translation>
    </message>
    <message id="cradle.file.crc">
        <source>CRC mismatch: the suffix holds %s, the file's bytes give %s</source>
        <translation>CRC 不符: 字尾中是 %s, 檔案的位元組算出 %s</translation>
    </message>
    <message id="cradle.file.end">
        <source>the end of the records</source>
        <translation>記錄的結尾</translation>
    </message>
    <message id="cradle.file.lowAddress">
        <source>address %s is below 0x1000</source>
        <translation>位址 %s 低於 0x1000</translation>
    </message>
    <message id="cradle.file.noCount">
        <source>truncated before its byte count</source>
        <translation>在位元組數之前就截斷了</translation>
    </message>
    <message id="cradle.file.noS">
        <source>does not begin with 'S'</source>
        <translation>不是以 'S' 開頭</translation>
    </message>
    <message id="cradle.file.noSuffix">
        <source>no DFU suffix at the end of the file (its last 16 bytes do not end in the &quot;UFD&quot; signature)</source>
        <translation>檔案結尾沒有 DFU 字尾（最後 16 個位元組不是以 &quot;UFD&quot; 簽章結尾）</translation>
    </message>
    <message id="cradle.file.notHex">
        <source>character %s is not an upper-case hex digit</source>
        <translation>字元 %s 不是大寫的十六進位數字</translation>
    </message>
    <message id="cradle.file.notHexAtAll">
        <source>character %s is not a hex digit</source>
        <translation>字元 %s 不是十六進位數字</translation>
    </message>
    <message id="cradle.file.pastEnd">
        <source>data at %s runs past 0xFFFF (%u bytes)</source>
        <translation>位於 %s 的資料超出 0xFFFF (%u 位元組)</translation>
    </message>
    <message id="cradle.file.record">
        <source>record at %s: %s</source>
        <translation>位於 %s 的記錄: %s</translation>
    </message>
    <message id="cradle.file.release">
        <source>the suffix names DFU release %s, not 0x0100</source>
        <translation>字尾標示的 DFU 版本是 %s, 不是 0x0100</translation>
    </message>
    <message id="cradle.file.short">
        <source>the file is %u bytes long, shorter than the 16-byte DFU suffix</source>
        <translation>檔案長 %u 位元組, 比 16 位元組的 DFU 字尾還短</translation>
    </message>
    <message id="cradle.file.suffixLength">
        <source>the suffix length is %u, not 16</source>
        <translation>字尾長度是 %u, 不是 16</translation>
    </message>
    <message id="cradle.file.tooLarge">
        <source>%s is larger than %u MiB; a cradle firmware file is far smaller</source>
        <translation>%s 大於 %u MiB; 充電座韌體檔小得多</translation>
    </message>
    <message id="cradle.file.truncated">
        <source>truncated: %u bytes announced, %u present (or an odd number of digits)</source>
        <translation>被截斷: 宣告 %u 位元組, 只有 %u 位元組 (或數字個數為奇數)</translation>
    </message>
    <message id="cradle.file.type">
        <source>unknown record type S%c</source>
        <translation>未知的記錄類型 S%c</translation>
    </message>
    <message id="cradle.file.wideAddress">
        <source>S%c records carry addresses beyond the 64 KiB image</source>
        <translation>S%c 記錄帶有超出 64 KiB 映像的位址</translation>
    </message>
    <message id="cradle.imageExists">
        <source>not written: %s exists (use --yes to replace it)</source>
        <translation>未寫入：%s 已存在（使用 --yes 取代它）</translation>
    </message>
    <message id="cradle.noDevice">
        <source>there is no DFU device %d ('cradle list' shows the devices)</source>
        <translation>沒有編號 %d 的 DFU 裝置 ('cradle list' 會列出裝置)</translation>
    </message>
    <message id="cradle.noVersionCommand">
        <source>cradle version: not available in this build</source>
        <translation>cradle version: 這個版本沒有提供</translation>
    </message>
    <message id="cradle.phase.finish">
        <source>Finishing</source>
        <translation>完成中</translation>
    </message>
    <message id="cradle.phase.prepare">
        <source>Preparing the cradle</source>
        <translation>準備充電座</translation>
    </message>
    <message id="cradle.phase.start">
        <source>Starting the firmware write</source>
        <translation>開始寫入韌體</translation>
    </message>
    <message id="cradle.phase.write">
        <source>Writing the firmware</source>
        <translation>寫入韌體</translation>
    </message>
    <message id="cradle.progressTitle">
        <source>Cradle firmware update</source>
        <translation>更新充電座韌體</translation>
    </message>
    <message id="cradle.ranges.and">
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message id="cradle.ranges.more">
        <source> and %u more ranges</source>
        <translation> 及另外 %u 個範圍</translation>
    </message>
    <message id="cradle.usb.access">
        <source>%s - the system denies this user access to the cradle; install a udev rule such as SUBSYSTEM==&quot;usb&quot;, ATTR{bInterfaceClass}==&quot;fe&quot;, TAG+=&quot;uaccess&quot; in /etc/udev/rules.d/70-feldspan-cradle.rules (or add your user to the group that owns the device), then reconnect the cradle</source>
        <translation>%s - 系統不允許這個使用者存取充電座; 請安裝 udev 規則, 例如在 /etc/udev/rules.d/70-feldspan-cradle.rules 中寫入 SUBSYSTEM==&quot;usb&quot;, ATTR{bInterfaceClass}==&quot;fe&quot;, TAG+=&quot;uaccess&quot; (或將使用者加入擁有該裝置的群組), 然後重新連接充電座</translation>
    </message>
    <message id="cradle.usb.busy">
        <source>%s - another program uses the cradle's DFU interface</source>
        <translation>%s - 另一個程式正在使用充電座的 DFU 介面</translation>
    </message>
    <message id="cradle.usb.gone">
        <source>%s - the cradle was disconnected; reconnect it and list the devices again</source>
        <translation>%s - 充電座已中斷連接; 請重新連接並再次列出裝置</translation>
    </message>
    <message id="cradle.usb.noDevice">
        <source>no DFU device %u in the last listing</source>
        <translation>上次列出的裝置中沒有 DFU 裝置 %u</translation>
    </message>
    <message id="cradle.usb.noReturn">
        <source>DFU_DETACH: the cradle did not come back in DFU mode within %d ms</source>
        <translation>DFU_DETACH: 充電座在 %d 毫秒內沒有回到 DFU 模式</translation>
    </message>
    <message id="cradle.usb.stall">
        <source>%s (the device stalled the request)</source>
        <translation>%s (裝置拒絕了這個請求)</translation>
    </message>
    <message id="cradle.useOtherFile">
        <source>%s: %s. Use a firmware file made for this cradle ('feldspan-cli cradle check %s' shows where a file's bytes lie)</source>
        <translation>%s: %s。請使用這個充電座專用的韌體檔 ('feldspan-cli cradle check %s' 會顯示檔案的位元組位置)</translation>
    </message>
    <message id="cradle.writesNothing">
        <source>%s: no byte lies in 0x8000-0xEFFF, where every update writes: an update would erase the cradle's firmware and write nothing, so it refuses this file. Use a firmware file made for the cradle</source>
        <translation>%s: 0x8000-0xEFFF 之間沒有任何位元組, 而每次更新都寫入這個範圍: 更新會清除充電座的韌體卻什麼都不寫入, 因此拒絕這個檔案。請使用充電座專用的韌體檔</translation>
    </message>
    <message id="dfu.AccessDenied">
        <source>access to the device was denied</source>
        <translation>存取裝置被拒</translation>
    </message>
    <message id="dfu.BadParameter">
        <source>a parameter is missing or out of range</source>
        <translation>參數缺少或超出範圍</translation>
    </message>
    <message id="dfu.ClaimFailed">
        <source>the DFU interface could not be claimed</source>
        <translation>無法取得 DFU 介面</translation>
    </message>
    <message id="dfu.DescriptorError">
        <source>the device descriptor could not be read</source>
        <translation>無法讀取裝置描述元</translation>
    </message>
    <message id="dfu.DeviceGone">
        <source>the device is no longer attached</source>
        <translation>裝置已不在</translation>
    </message>
    <message id="dfu.InitFailed">
        <source>the USB library could not be initialised</source>
        <translation>無法初始化 USB 程式庫</translation>
    </message>
    <message id="dfu.NoDfuDescriptor">
        <source>the device has no DFU functional descriptor</source>
        <translation>裝置沒有 DFU 功能描述元</translation>
    </message>
    <message id="dfu.NoReturn">
        <source>the device did not come back in DFU mode after the detach</source>
        <translation>裝置在分離後沒有回到 DFU 模式</translation>
    </message>
    <message id="dfu.NoSuchDevice">
        <source>no DFU device at this index (list the devices again)</source>
        <translation>這個編號沒有 DFU 裝置 (請重新列出裝置)</translation>
    </message>
    <message id="dfu.NoThread">
        <source>the update could not be started</source>
        <translation>無法開始更新</translation>
    </message>
    <message id="dfu.NotOpen">
        <source>the handle does not name an open device</source>
        <translation>這個代碼不是已開啟的裝置</translation>
    </message>
    <message id="dfu.NothingToWrite">
        <source>the firmware file holds no byte in the area the update writes: the update would erase the cradle's firmware and write nothing, so it was refused before anything was erased</source>
        <translation>韌體檔在更新寫入的範圍內沒有任何位元組: 更新會清除充電座的韌體卻什麼都不寫入, 因此在清除任何內容之前就拒絕了</translation>
    </message>
    <message id="dfu.Ok">
        <source>success</source>
        <translation>成功</translation>
    </message>
    <message id="dfu.OpenFailed">
        <source>the device could not be opened</source>
        <translation>無法開啟裝置</translation>
    </message>
    <message id="dfu.RequestFailed">
        <source>the device refused the request</source>
        <translation>裝置拒絕了請求</translation>
    </message>
    <message id="dfu.ShortReply">
        <source>the device answered fewer bytes than the request needs</source>
        <translation>裝置回應的位元組比請求所需的少</translation>
    </message>
    <message id="dfu.StringError">
        <source>the string descriptor could not be read</source>
        <translation>無法讀取字串描述元</translation>
    </message>
    <message id="dfu.Timeout">
        <source>the device did not answer in time</source>
        <translation>裝置沒有及時回應</translation>
    </message>
    <message id="dfu.TooLarge">
        <source>the block is larger than the device's transfer size</source>
        <translation>區塊大於裝置的傳輸大小</translation>
    </message>
    <message id="dfu.WorkerBusy">
        <source>another cradle update is running</source>
        <translation>另一個充電座更新正在執行</translation>
    </message>
    <message id="dfu.WorkerFault">
        <source>the update stopped on an unexpected fault (out of memory or a library failure)</source>
        <translation>更新因意外錯誤而停止 (記憶體不足或程式庫失敗)</translation>
    </message>
    <message id="dfu.other">
        <source>code %s</source>
        <translation>代碼 %s</translation>
    </message>
    <message id="doctor.allWell">
        <source>all well</source>
        <translation>一切正常</translation>
    </message>
    <message id="doctor.busy.close">
        <source>end that program (a terminal program, a modem manager, another FeldSpan) before connecting</source>
        <translation>連線前請結束該程式（終端程式、數據機管理程式、另一個 FeldSpan）</translation>
    </message>
    <message id="doctor.busy.device">
        <source>look at the port in the Device Manager; plug the cradle in again</source>
        <translation>請在裝置管理員中查看該通訊埠;重新插上充電座</translation>
    </message>
    <message id="doctor.busy.failed">
        <source>%s cannot be opened: %s</source>
        <translation>無法開啟 %s:%s</translation>
    </message>
    <message id="doctor.busy.free">
        <source>no other process has %s open</source>
        <translation>沒有其他行程開啟 %s</translation>
    </message>
    <message id="doctor.busy.freeWin">
        <source>no other program holds %s</source>
        <translation>沒有其他程式佔用 %s</translation>
    </message>
    <message id="doctor.busy.held">
        <source>%s is open in process %s</source>
        <translation>%s 已被行程 %s 開啟</translation>
    </message>
    <message id="doctor.busy.heldWin">
        <source>%s is in use by another program</source>
        <translation>%s 正被其他程式使用</translation>
    </message>
    <message id="doctor.busy.hidden">
        <source> (the open files of %d processes could not be looked at)</source>
        <translation>（有 %d 個行程的開啟檔案無法查看）</translation>
    </message>
    <message id="doctor.busy.noPort">
        <source>no serial port to check</source>
        <translation>沒有可檢查的序列埠</translation>
    </message>
    <message id="doctor.busy.title">
        <source>port in use</source>
        <translation>連接埠使用中</translation>
    </message>
    <message id="doctor.busy.unreadable">
        <source> (the open files of %d processes of other users could not be looked at; run as root to see them)</source>
        <translation>（其他使用者的 %d 個行程的開啟檔案無法查看；以 root 執行可看到全部）</translation>
    </message>
    <message id="doctor.com.choose">
        <source>connect the cradle, then choose one of the ports here in the port settings (or give it for one run: --device COMn)</source>
        <translation>請接上充電座,然後在通訊埠設定中選擇這裡的一個通訊埠(或只為這次執行指定:--device COMn)</translation>
    </message>
    <message id="doctor.com.missing">
        <source>the settings name %s, which does not exist (ports here: %s)</source>
        <translation>設定中指定的 %s 不存在(這裡的通訊埠:%s)</translation>
    </message>
    <message id="doctor.com.none">
        <source>this machine has no COM port now</source>
        <translation>這台電腦目前沒有任何 COM 通訊埠</translation>
    </message>
    <message id="doctor.com.noneHere">
        <source>none</source>
        <translation>無</translation>
    </message>
    <message id="doctor.com.ok">
        <source>ports here: %s</source>
        <translation>這裡的通訊埠:%s</translation>
    </message>
    <message id="doctor.com.title">
        <source>COM ports</source>
        <translation>COM 通訊埠</translation>
    </message>
    <message id="doctor.com.unreadable">
        <source>the system's list of serial ports could not be read</source>
        <translation>無法讀取系統的序列埠清單</translation>
    </message>
    <message id="doctor.driver.bind">
        <source>bind the WinUSB driver to the device %s (with a driver installer such as Zadig: choose the device, then WinUSB), then plug the cradle in again</source>
        <translation>請為裝置 %s 繫結 WinUSB 驅動程式(使用驅動程式安裝工具,例如 Zadig:選擇該裝置,再選 WinUSB),然後重新插上充電座</translation>
    </message>
    <message id="doctor.driver.noCradle">
        <source>no cradle waiting for an update is connected</source>
        <translation>沒有接上等待更新的充電座</translation>
    </message>
    <message id="doctor.driver.none">
        <source>the cradle %s waits for an update, and no driver is bound to it</source>
        <translation>充電座 %s 正在等待更新,但沒有繫結任何驅動程式</translation>
    </message>
    <message id="doctor.driver.ok">
        <source>the cradle uses a driver the update works through: %s</source>
        <translation>充電座使用的驅動程式可以進行更新:%s</translation>
    </message>
    <message id="doctor.driver.other">
        <source>the cradle %s waits for an update, and its driver %s cannot be used for it</source>
        <translation>充電座 %s 正在等待更新,但它的驅動程式 %s 無法用於更新</translation>
    </message>
    <message id="doctor.driver.title">
        <source>USB driver for cradle updates</source>
        <translation>充電座更新用的 USB 驅動程式</translation>
    </message>
    <message id="doctor.fixLabel">
        <source>fix:</source>
        <translation>修正：</translation>
    </message>
    <message id="doctor.font.install">
        <source>sudo apt install fonts-wqy-microhei (or fonts-noto-cjk)</source>
        <translation>sudo apt install fonts-wqy-microhei（或 fonts-noto-cjk）</translation>
    </message>
    <message id="doctor.font.missing">
        <source>no font for Chinese: the window's Chinese texts and terminal file names show as boxes</source>
        <translation>沒有中文字型：視窗的中文文字與終端機檔名會顯示成方框</translation>
    </message>
    <message id="doctor.font.ok">
        <source>found: %s</source>
        <translation>找到：%s</translation>
    </message>
    <message id="doctor.font.title">
        <source>Chinese font</source>
        <translation>中文字型</translation>
    </message>
    <message id="doctor.group.denied">
        <source>%s belongs to the group %s, and this session may not open it</source>
        <translation>%s 屬於群組 %s，此工作階段無法開啟它</translation>
    </message>
    <message id="doctor.group.join">
        <source>sudo usermod -aG %s %s, then log out and in again (or install the udev rules, which give the user at the seat the cradle)</source>
        <translation>sudo usermod -aG %s %s，然後登出再登入（或安裝 udev 規則，讓目前座位上的使用者可使用充電座）</translation>
    </message>
    <message id="doctor.group.noPort">
        <source>no serial port to check: none is connected and the configured one is not there</source>
        <translation>沒有可檢查的序列埠：沒有連接任何序列埠，設定的序列埠也不存在</translation>
    </message>
    <message id="doctor.group.ok">
        <source>this session may open %s</source>
        <translation>此工作階段可開啟 %s</translation>
    </message>
    <message id="doctor.group.relogin">
        <source>you were added to %s after logging in: log out and in again (or run `newgrp %s`)</source>
        <translation>您是在登入後才加入 %s 的：請登出再登入（或執行 `newgrp %s`）</translation>
    </message>
    <message id="doctor.group.title">
        <source>serial port access</source>
        <translation>序列埠存取權</translation>
    </message>
    <message id="doctor.latency.lower">
        <source>echo 1 | sudo tee %s/%s/latency_timer (until the adapter is unplugged; for good: a udev rule with ATTR{latency_timer}=&quot;1&quot;)</source>
        <translation>echo 1 | sudo tee %s/%s/latency_timer（在拔下轉接器前有效；要永久生效：使用含 ATTR{latency_timer}=&quot;1&quot; 的 udev 規則）</translation>
    </message>
    <message id="doctor.latency.none">
        <source>no USB-serial adapter with a latency timer is connected</source>
        <translation>未連接具延遲計時器的 USB 轉序列轉接器</translation>
    </message>
    <message id="doctor.latency.ok">
        <source>1 ms on %s</source>
        <translation>%s 為 1 ms</translation>
    </message>
    <message id="doctor.latency.slow">
        <source>%s holds each short reply for %d ms (at 5 ms the link loses a fifth of its speed; FeldSpan asks for 1 ms while the port is open, which not every driver grants)</source>
        <translation>%s 會把每個短回應延遲 %d ms（在 5 ms 時連線會損失五分之一的速度；FeldSpan 在連接埠開啟時會要求 1 ms，但並非每個驅動程式都接受）</translation>
    </message>
    <message id="doctor.latency.title">
        <source>USB-serial latency</source>
        <translation>USB 轉序列延遲</translation>
    </message>
    <message id="doctor.mm.holds">
        <source>ModemManager holds %s open</source>
        <translation>ModemManager 正開啟著 %s</translation>
    </message>
    <message id="doctor.mm.ignores">
        <source>running, and told to leave the USB serial ports alone</source>
        <translation>正在執行，且已被告知不要碰 USB 序列埠</translation>
    </message>
    <message id="doctor.mm.noPort">
        <source>running; no USB serial port for it to probe now</source>
        <translation>正在執行；目前沒有可讓它探測的 USB 序列埠</translation>
    </message>
    <message id="doctor.mm.notRunning">
        <source>not running</source>
        <translation>未執行</translation>
    </message>
    <message id="doctor.mm.probes">
        <source>running, and not told to leave %s alone: it may send modem commands to the terminal</source>
        <translation>正在執行，且未被告知不要碰 %s：它可能會對終端機送出數據機指令</translation>
    </message>
    <message id="doctor.mm.stop">
        <source>install the udev rules and plug the cradle in again, or sudo systemctl disable --now ModemManager</source>
        <translation>安裝 udev 規則並重新插上充電座，或 sudo systemctl disable --now ModemManager</translation>
    </message>
    <message id="doctor.mm.title">
        <source>ModemManager</source>
        <translation>ModemManager</translation>
    </message>
    <message id="doctor.toFix">
        <source>%d thing(s) to fix</source>
        <translation>有 %d 項需要修正</translation>
    </message>
    <message id="doctor.udev.copy">
        <source>install the package, or sudo cp res/linux/%s /etc/udev/rules.d/ &amp;&amp; %s</source>
        <translation>安裝套件，或 sudo cp res/linux/%s /etc/udev/rules.d/ &amp;&amp; %s</translation>
    </message>
    <message id="doctor.udev.installed">
        <source>installed: %s</source>
        <translation>已安裝：%s</translation>
    </message>
    <message id="doctor.udev.local">
        <source>%s is where udev never looks</source>
        <translation>%s 位於 udev 從不讀取的地方</translation>
    </message>
    <message id="doctor.udev.missing">
        <source>not installed: the cradle is only reachable for root, and ModemManager may probe it</source>
        <translation>未安裝：只有 root 能使用充電座，且 ModemManager 可能會探測它</translation>
    </message>
    <message id="doctor.udev.title">
        <source>udev rules</source>
        <translation>udev 規則</translation>
    </message>
    <message id="doctor.usb.denied">
        <source>the cradle at %s may not be opened by this session</source>
        <translation>此工作階段無法開啟位於 %s 的充電座</translation>
    </message>
    <message id="doctor.usb.noBus">
        <source>no USB bus on this machine</source>
        <translation>這台電腦沒有 USB 匯流排</translation>
    </message>
    <message id="doctor.usb.noCradle">
        <source>no cradle is connected</source>
        <translation>未連接充電座</translation>
    </message>
    <message id="doctor.usb.ok">
        <source>this session may open %s</source>
        <translation>此工作階段可開啟 %s</translation>
    </message>
    <message id="doctor.usb.rules">
        <source>install the udev rules (%s) and plug the cradle in again</source>
        <translation>安裝 udev 規則（%s）並重新插上充電座</translation>
    </message>
    <message id="doctor.usb.title">
        <source>USB access for cradle updates</source>
        <translation>更新充電座的 USB 存取權</translation>
    </message>
    <message id="explorer.noSuchDrive">
        <source>there is no drive image of '%s'; the terminal's drives are C and D</source>
        <translation>沒有磁碟機 '%s' 的映像;終端機的磁碟機是 C 和 D</translation>
    </message>
    <message id="explorer.sameFile">
        <source>%s and %s are the same file; nothing was copied</source>
        <translation>%s 和 %s 是同一個檔案;沒有複製任何東西</translation>
    </message>
    <message id="file.changed">
        <source>%s changed while it was read</source>
        <translation>%s 在讀取時被變更了</translation>
    </message>
    <message id="file.grows">
        <source>%s is not an ordinary file: it holds more than its size says (%lld bytes)</source>
        <translation>%s 不是一般檔案: 內容比它的大小所說的還多 (%lld 位元組)</translation>
    </message>
    <message id="file.isLink">
        <source>%s is a link; nothing is written through it (remove the link or choose another folder)</source>
        <translation>%s 是一個連結;不會透過它寫入任何內容(請刪除該連結或選擇其他資料夾)</translation>
    </message>
    <message id="file.kind.blockDevice">
        <source>a block device</source>
        <translation>區塊裝置</translation>
    </message>
    <message id="file.kind.charDevice">
        <source>a character device</source>
        <translation>字元裝置</translation>
    </message>
    <message id="file.kind.fifo">
        <source>a FIFO</source>
        <translation>FIFO</translation>
    </message>
    <message id="file.kind.folder">
        <source>a folder</source>
        <translation>資料夾</translation>
    </message>
    <message id="file.kind.other">
        <source>not an ordinary file</source>
        <translation>非一般檔案</translation>
    </message>
    <message id="file.kind.socket">
        <source>a socket</source>
        <translation>socket</translation>
    </message>
    <message id="file.noName">
        <source>no file name given</source>
        <translation>沒有指定檔名</translation>
    </message>
    <message id="file.notCopyable">
        <source>%s is %s, not a file that can be copied</source>
        <translation>%s 是%s,不是可以複製的檔案</translation>
    </message>
    <message id="file.notOpen">
        <source>the file is not open</source>
        <translation>檔案沒有開啟</translation>
    </message>
    <message id="file.notRegular">
        <source>%s: not a regular file, a device or a FIFO; give a file name</source>
        <translation>%s: 不是一般檔案、裝置或 FIFO; 請指定檔名</translation>
    </message>
    <message id="file.notSendable">
        <source>%s is %s, not a file that can be sent</source>
        <translation>%s 是%s, 不是可以傳送的檔案</translation>
    </message>
    <message id="file.tooBig">
        <source>%s is too big for the terminal (%lld bytes)</source>
        <translation>%s 對終端機來說太大了 (%lld 位元組)</translation>
    </message>
    <message id="help.missing">
        <source>&lt;p&gt;The help pages are not installed (%1).&lt;/p&gt;</source>
        <translation>&lt;p&gt;說明頁面尚未安裝 (%1)。&lt;/p&gt;</translation>
    </message>
    <message id="link.access.joinGroup">
        <source>add your user to the group that owns it (%s), e.g. &quot;sudo usermod -aG %s $USER&quot;, then log in again</source>
        <translation>請將使用者加入擁有它的群組 (%s), 例如 &quot;sudo usermod -aG %s $USER&quot;, 然後重新登入</translation>
    </message>
    <message id="link.access.lsusb">
        <source> (VVVV:PPPP as lsusb shows the device)</source>
        <translation> (VVVV:PPPP 為 lsusb 顯示的裝置編號)</translation>
    </message>
    <message id="link.access.noName">
        <source>its group %u has no name; </source>
        <translation>它的群組 %u 沒有名稱; </translation>
    </message>
    <message id="link.access.noReadWrite">
        <source>its group (%s) may not read and write it; </source>
        <translation>它的群組 (%s) 不能讀寫它; </translation>
    </message>
    <message id="link.access.root">
        <source>its group is root; </source>
        <translation>它的群組是 root; </translation>
    </message>
    <message id="link.access.udev">
        <source>add a udev rule that gives your group access to this device, e.g. SUBSYSTEM==&quot;tty&quot;, %s, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; in /etc/udev/rules.d/50-feldspan.rules%s, then plug the device in again (and be in that group)</source>
        <translation>請加入一條 udev 規則, 讓你的群組可以存取這個裝置, 例如在 /etc/udev/rules.d/50-feldspan.rules 中寫入 SUBSYSTEM==&quot;tty&quot;, %s, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;%s, 然後重新插上裝置 (並加入該群組)</translation>
    </message>
    <message id="link.answerTooBig">
        <source>The terminal announced an answer of %u bytes, more than any command's; it was refused.</source>
        <translation>終端機宣告了 %u 位元組的回應, 比任何指令的回應都大; 已拒絕。</translation>
    </message>
    <message id="link.badFolder">
        <source>%s: not a folder the terminal has (%s)</source>
        <translation>%s: 終端機上沒有這個資料夾 (%s)</translation>
    </message>
    <message id="link.badPath">
        <source>%s: not a path the terminal takes (%s)</source>
        <translation>%s: 終端機不接受這個路徑 (%s)</translation>
    </message>
    <message id="link.badStoredName">
        <source>%s: the terminal cannot store it as %s (%s); rename the file first</source>
        <translation>%s: 終端機無法將它存為 %s (%s); 請先將檔案改名</translation>
    </message>
    <message id="link.badUsbPorts">
        <source>%s: &quot;%s&quot; is not PATH=VVVV:PPPP (hex USB vendor and product ids)</source>
        <translation>%s: &quot;%s&quot; 不是 路徑=VVVV:PPPP 的形式 (十六進位的 USB 廠商 ID 和產品 ID)</translation>
    </message>
    <message id="link.baudBack">
        <source>The port could not be set back to %d bit/s and is closed (%s); the next operation opens it again.</source>
        <translation>通訊埠無法設回 %d bit/s, 已關閉 (%s); 下一個操作會重新開啟它。</translation>
    </message>
    <message id="link.cancelled">
        <source>the transfer was cancelled</source>
        <translation>傳輸已取消</translation>
    </message>
    <message id="link.cannotOpen">
        <source>cannot open %s: %s</source>
        <translation>無法開啟 %s: %s</translation>
    </message>
    <message id="link.cannotWrite">
        <source>cannot write to %s: %s</source>
        <translation>無法寫入 %s: %s</translation>
    </message>
    <message id="link.connectOff">
        <source>connecting is switched off in the port settings</source>
        <translation>連接埠設定中的連線已關閉</translation>
    </message>
    <message id="link.connectionLost">
        <source>the connection to the terminal was lost (%s)</source>
        <translation>與終端機的連線中斷了 (%s)</translation>
    </message>
    <message id="link.deviceBusy">
        <source>device busy: %s is in use by another program</source>
        <translation>裝置忙碌: %s 正被其他程式使用</translation>
    </message>
    <message id="link.deviceBusyWhy">
        <source>device busy: %s is in use by another program (%s)</source>
        <translation>裝置忙碌: %s 正被其他程式使用 (%s)</translation>
    </message>
    <message id="link.deviceClosed">
        <source>the device closed</source>
        <translation>裝置已關閉</translation>
    </message>
    <message id="link.deviceGone">
        <source>the device %s went away (%s)</source>
        <translation>裝置 %s 不見了 (%s)</translation>
    </message>
    <message id="link.deviceMissing">
        <source>device missing: %s does not exist (is the terminal connected and switched on?)</source>
        <translation>找不到裝置: %s 不存在 (終端機是否已連接並開機?)</translation>
    </message>
    <message id="link.deviceMissingNoPorts">
        <source>device missing: %s does not exist, and this computer has no serial ports (is the terminal's cradle connected?)</source>
        <translation>找不到裝置: %s 不存在, 且本機沒有任何序列埠 (終端機的充電座是否已連接?)</translation>
    </message>
    <message id="link.deviceMissingPorts">
        <source>device missing: %s does not exist (ports here: %s)</source>
        <translation>找不到裝置: %s 不存在 (本機的連接埠: %s)</translation>
    </message>
    <message id="link.fileTooBig">
        <source>The terminal announced a file of %u bytes, more than its drives hold; it was refused.</source>
        <translation>終端機宣告了 %u 位元組的檔案, 比它的磁碟機所能容納的還大; 已拒絕。</translation>
    </message>
    <message id="link.fileTooShort">
        <source>The terminal announced a file of %u bytes, too short for its header; it was refused.</source>
        <translation>終端機宣告了 %u 位元組的檔案, 連檔頭都放不下; 已拒絕。</translation>
    </message>
    <message id="link.folderTooLong">
        <source>The terminal folder path is too long (%d bytes, at most %d): %s</source>
        <translation>終端機資料夾路徑太長 (%d 位元組, 最多 %d): %s</translation>
    </message>
    <message id="link.frameRetries">
        <source>the terminal did not take a frame in %d attempts; check the cable and the line speed</source>
        <translation>終端機試了 %d 次都沒有收下資料框; 請檢查連接線和傳輸速率</translation>
    </message>
    <message id="link.hungUp">
        <source>it hung up</source>
        <translation>線路已掛斷</translation>
    </message>
    <message id="link.ioThreadStopped">
        <source>the port's I/O thread stopped (%s)</source>
        <translation>通訊埠的 I/O 執行緒停止了 (%s)</translation>
    </message>
    <message id="link.kernelOddSize">
        <source>%s is %u bytes long: a kernel image is a whole number of 4-byte words; nothing was sent</source>
        <translation>%s 長 %u 位元組: 核心映像必須是 4 位元組字組的整數倍; 沒有傳送任何資料</translation>
    </message>
    <message id="link.kernelOddSizeKept">
        <source>%s is %u bytes long: a kernel image is a whole number of 4-byte words; nothing on the terminal was changed</source>
        <translation>%s 長 %u 位元組: 核心映像必須是 4 位元組字組的整數倍; 終端機上沒有任何變更</translation>
    </message>
    <message id="link.kernelUnread">
        <source>%s; nothing on the terminal was changed</source>
        <translation>%s; 終端機上沒有任何變更</translation>
    </message>
    <message id="link.kind.answer">
        <source>an answer</source>
        <translation>回應</translation>
    </message>
    <message id="link.kind.file">
        <source>a file</source>
        <translation>檔案</translation>
    </message>
    <message id="link.kind.transfer">
        <source>a transfer</source>
        <translation>傳輸</translation>
    </message>
    <message id="link.lineNotSet">
        <source>the line cannot be set to %s (%s)</source>
        <translation>無法將線路設為 %s (%s)</translation>
    </message>
    <message id="link.name.base">
        <source>not an 8.3 name: the base is not 1-8 characters</source>
        <translation>不是 8.3 名稱: 主檔名不是 1-8 個字元</translation>
    </message>
    <message id="link.name.character">
        <source>not an 8.3 name: it holds a character a short name cannot hold</source>
        <translation>不是 8.3 名稱: 含有短檔名不能使用的字元</translation>
    </message>
    <message id="link.name.dots">
        <source>not an 8.3 name: more than one '.'</source>
        <translation>不是 8.3 名稱: 有一個以上的 '.'</translation>
    </message>
    <message id="link.name.empty">
        <source>empty name</source>
        <translation>名稱是空的</translation>
    </message>
    <message id="link.name.extension">
        <source>not an 8.3 name: the extension is not 1-3 characters</source>
        <translation>不是 8.3 名稱: 副檔名不是 1-3 個字元</translation>
    </message>
    <message id="link.name.lowerCase">
        <source>not an upper-case 8.3 name</source>
        <translation>不是大寫的 8.3 名稱</translation>
    </message>
    <message id="link.noAnswer">
        <source>the terminal did not answer (is it switched on, in its cradle and ready to transfer?)</source>
        <translation>終端機沒有回應 (是否已開機、放在充電座上並準備好傳輸?)</translation>
    </message>
    <message id="link.noFileSent">
        <source>the terminal sent no file</source>
        <translation>終端機沒有送出檔案</translation>
    </message>
    <message id="link.noIoThread">
        <source>cannot start the port's I/O thread: %s</source>
        <translation>無法啟動通訊埠的 I/O 執行緒: %s</translation>
    </message>
    <message id="link.noLinkCheck">
        <source>the terminal did not answer the link check (is it switched on and in transfer mode?)</source>
        <translation>終端機沒有回應連線檢查 (是否已開機並在傳輸模式?)</translation>
    </message>
    <message id="link.noPort">
        <source>the port could not be made</source>
        <translation>無法建立通訊埠</translation>
    </message>
    <message id="link.noSuchFile">
        <source>no such file on the terminal</source>
        <translation>終端機上沒有這個檔案</translation>
    </message>
    <message id="link.noUsbDevice">
        <source>no USB serial device found: connect the terminal's cradle and check its cable</source>
        <translation>找不到 USB 序列裝置: 請接上終端機的充電座並檢查連接線</translation>
    </message>
    <message id="link.noUsbTerminal">
        <source>no USB terminal found among the USB serial devices (none matches the configured ids)</source>
        <translation>在 USB 序列裝置中找不到終端機 (沒有一個符合設定的 ID)</translation>
    </message>
    <message id="link.noVersion">
        <source>%s: not sent: the terminal did not report its firmware version</source>
        <translation>%s: 沒有傳送: 終端機沒有回報韌體版本</translation>
    </message>
    <message id="link.noWriter">
        <source>The flash writer %s is missing or cannot be read (%s). It comes from the terminal's vendor with the terminal's own software: put it there and try again. Nothing on the terminal was changed.</source>
        <translation>燒錄程式 %s 不存在或無法讀取 (%s)。它由終端機廠商隨終端機的軟體提供: 請將它放在那裡再試一次。終端機上沒有任何變更。</translation>
    </message>
    <message id="link.noisyLine">
        <source>the terminal's frames kept arriving damaged; check the cable and the line speed</source>
        <translation>終端機的資料框一直損壞; 請檢查連接線和傳輸速率</translation>
    </message>
    <message id="link.notAnswering">
        <source>the terminal does not answer; retrying (attempt %d of %d)</source>
        <translation>終端機沒有回應；正在重試（第 %d 次，共 %d 次）</translation>
    </message>
    <message id="link.notFormatted">
        <source>the drive is not formatted</source>
        <translation>磁碟機尚未格式化</translation>
    </message>
    <message id="link.notKernel">
        <source>%s is not a kernel image (a .bin file); nothing on the terminal was changed</source>
        <translation>%s 不是核心映像 (.bin 檔); 終端機上沒有任何變更</translation>
    </message>
    <message id="link.notSent">
        <source>the terminal did not send it (%s)</source>
        <translation>終端機沒有送出它 (%s)</translation>
    </message>
    <message id="link.otherModel">
        <source>The terminal is a model this program cannot update (class %d, number %d)</source>
        <translation>此終端機的型號無法由本程式更新（類別 %d，編號 %d）</translation>
    </message>
    <message id="link.path.component">
        <source>path component %s: %s</source>
        <translation>路徑中的 %s: %s</translation>
    </message>
    <message id="link.path.dot">
        <source>path has a '.' component</source>
        <translation>路徑中有 '.'</translation>
    </message>
    <message id="link.path.dotDot">
        <source>path has a '..' component</source>
        <translation>路徑中有 '..'</translation>
    </message>
    <message id="link.path.drive">
        <source>drive is not C: or D:</source>
        <translation>磁碟機不是 C: 或 D:</translation>
    </message>
    <message id="link.path.empty">
        <source>path has an empty component</source>
        <translation>路徑中有空的部分</translation>
    </message>
    <message id="link.path.noBackslash">
        <source>path has no '\' after the drive</source>
        <translation>磁碟機後面沒有 '\'</translation>
    </message>
    <message id="link.path.noDrive">
        <source>path does not start with a drive</source>
        <translation>路徑不是以磁碟機開頭</translation>
    </message>
    <message id="link.path.noFile">
        <source>path names a folder, not a file</source>
        <translation>路徑指向資料夾,而不是檔案</translation>
    </message>
    <message id="link.path.slash">
        <source>path has a '/'</source>
        <translation>路徑中有 '/'</translation>
    </message>
    <message id="link.pathTooLong">
        <source>The terminal path is too long: %s</source>
        <translation>終端機路徑太長: %s</translation>
    </message>
    <message id="link.permissionDenied">
        <source>permission denied on %s: %s</source>
        <translation>沒有權限使用 %s: %s</translation>
    </message>
    <message id="link.refused">
        <source>The terminal sent %s where %s was expected; it was refused.</source>
        <translation>終端機送來了%s, 但預期的是%s; 已拒絕。</translation>
    </message>
    <message id="link.rootFolder">
        <source>%s is a drive, not a folder: the terminal keeps files in the folders of a drive; name one, e.g. %sData</source>
        <translation>%s 是磁碟機，不是資料夾：終端機把檔案存放在磁碟機的資料夾中；請指定資料夾，例如 %sData</translation>
    </message>
    <message id="link.settingsCancelled">
        <source>the port settings were cancelled</source>
        <translation>通訊埠設定已取消</translation>
    </message>
    <message id="link.severalUsb">
        <source>%d USB serial devices are connected and UsbIds names none of them as the terminal, so none is guessed at: %s. Name the terminal's with `feldspan-cli config FeldSpan/Settings/UsbIds VVVV:PPPP`, or use --device</source>
        <translation>已連接 %d 個 USB 序列裝置，而 UsbIds 未指定其中任何一個是終端機，因此不做猜測：%s。請用 `feldspan-cli config FeldSpan/Settings/UsbIds VVVV:PPPP` 指定終端機的裝置，或使用 --device</translation>
    </message>
    <message id="link.stayedBusy">
        <source>the terminal stayed busy and did not take the data</source>
        <translation>終端機一直忙碌, 沒有收下資料</translation>
    </message>
    <message id="link.stoppedAnswering">
        <source>the terminal stopped answering (is it still switched on and in its cradle?)</source>
        <translation>終端機停止回應了 (是否仍然開機並放在充電座上?)</translation>
    </message>
    <message id="link.tooBig">
        <source>%s: too big to send to the terminal</source>
        <translation>%s: 太大了, 無法傳送到終端機</translation>
    </message>
    <message id="link.updateBaud">
        <source>The port could not be switched to %d bit/s for the update: %s</source>
        <translation>無法將通訊埠切換為 %d bit/s 以進行更新: %s</translation>
    </message>
    <message id="link.waitFailed">
        <source>its wait failed: %s</source>
        <translation>等待失敗: %s</translation>
    </message>
    <message id="link.writerEmpty">
        <source>it is empty</source>
        <translation>它是空的</translation>
    </message>
    <message id="link.writerLoop">
        <source>The terminal keeps asking for the flash writer; giving up.</source>
        <translation>終端機一直要求燒錄程式; 放棄。</translation>
    </message>
    <message id="listing.noAnswer">
        <source>the terminal did not list it</source>
        <translation>終端機沒有列出它</translation>
    </message>
    <message id="listing.notConfirmed">
        <source>sent but not confirmed: the terminal's listing of %s failed (%s): %s</source>
        <translation>已傳送但未確認:終端機的 %s 列表失敗(%s):%s</translation>
    </message>
    <message id="listing.notFound">
        <source>sent but not found on the terminal: %s</source>
        <translation>已傳送但在終端機上找不到:%s</translation>
    </message>
    <message id="listing.otherSize">
        <source>sent but of another size on the terminal: %s (%u bytes there, %u sent)</source>
        <translation>已傳送但終端機上的大小不同:%s(那裡 %u 位元組,傳送了 %u)</translation>
    </message>
    <message id="progress.bytes">
        <source>%1 bytes</source>
        <translation>%1 位元組</translation>
    </message>
    <message id="progress.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="progress.cancelling">
        <source>Stopping the transfer...</source>
        <translation>正在停止傳輸...</translation>
    </message>
    <message id="progress.kib">
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message id="progress.left">
        <source>%1:%2 left</source>
        <translation>剩餘 %1:%2</translation>
    </message>
    <message id="progress.mib">
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message id="progress.rate">
        <source>%1/s</source>
        <translation>%1/秒</translation>
    </message>
    <message id="project.beyondSlots">
        <source>%s: %s is not sent: a project holds lookup and data files 1 to 20 only</source>
        <translation>%s：%s 不會傳送：一個專案只包含第 1 到 20 個查詢檔案和資料檔案</translation>
    </message>
    <message id="project.cancelled">
        <source>The send was cancelled: the message view lists the files not sent.</source>
        <translation>傳送已取消：未傳送的檔案列在訊息視窗中。</translation>
    </message>
    <message id="project.cancelledAt">
        <source>not sent %s: the send was cancelled here</source>
        <translation>未傳送 %s：傳送在此取消</translation>
    </message>
    <message id="project.fileMissing">
        <source>%s: %s is not on this PC (looked for %s)</source>
        <translation>%s：本機上沒有 %s（尋找位置：%s）</translation>
    </message>
    <message id="project.kept">
        <source>skipped %s: the terminal's file was kept, not overwritten: %s</source>
        <translation>已略過 %s：終端機上的檔案已保留，未覆寫：%s</translation>
    </message>
    <message id="project.listFailed">
        <source>The terminal's folder %s could not be listed (%s): every file is sent.</source>
        <translation>無法列出終端機的資料夾 %s(%s):所有檔案都會傳送。</translation>
    </message>
    <message id="project.noFiles">
        <source>%s: no file to send; a project file names its files in lines such as &quot;Program=C:\Project\APP.ABP&quot;, &quot;Lookup1=...&quot;, &quot;DataFile1=...&quot;, &quot;SysFont=...&quot; and &quot;UserFont=...&quot;</source>
        <translation>%s：沒有要傳送的檔案；專案檔以這樣的行列出其檔案：&quot;Program=C:\Project\APP.ABP&quot;、&quot;Lookup1=...&quot;、&quot;DataFile1=...&quot;、&quot;SysFont=...&quot; 和 &quot;UserFont=...&quot;</translation>
    </message>
    <message id="project.notChecked">
        <source>Nothing was sent: these files cannot be sent as the projects name them.</source>
        <translation>未傳送任何檔案：以下檔案無法依專案所寫的方式傳送。</translation>
    </message>
    <message id="project.notSent">
        <source>not sent %s -&gt; %s</source>
        <translation>未傳送 %s -&gt; %s</translation>
    </message>
    <message id="project.notSentAfterStop">
        <source>not sent %s: the send stopped at an earlier file</source>
        <translation>未傳送 %s：傳送已在之前的檔案處停止</translation>
    </message>
    <message id="project.onlyChanged">
        <source>Send only changed files</source>
        <translation>只傳送變更過的檔案</translation>
    </message>
    <message id="project.onlyChangedTip">
        <source>Skip each file the terminal already holds with the same name, size, date and time</source>
        <translation>略過終端機上已有的、名稱、大小、日期和時間都相同的檔案</translation>
    </message>
    <message id="project.places">
        <source>%s, and %s in any letter case</source>
        <translation>%s，以及不分大小寫的 %s</translation>
    </message>
    <message id="project.sendTip">
        <source>Sends every project of the list to the terminal, in the list's order</source>
        <translation>依清單順序將清單中的所有專案傳送到終端機</translation>
    </message>
    <message id="project.sentLine">
        <source>sent %s -&gt; %s</source>
        <translation>已傳送 %s -&gt; %s</translation>
    </message>
    <message id="project.unchanged">
        <source>unchanged: %s</source>
        <translation>未變更:%s</translation>
    </message>
    <message id="project.warnings">
        <source>Some entries of the projects are not sent:</source>
        <translation>專案中的部分項目不會傳送：</translation>
    </message>
    <message id="receive.badEntry">
        <source>%s names no terminal file (%s)</source>
        <translation>%s 不是終端機上的檔案 (%s)</translation>
    </message>
    <message id="receive.badName">
        <source>the terminal's file name cannot be used on this PC: </source>
        <translation>終端機的檔名無法在此電腦上使用: </translation>
    </message>
    <message id="receive.kept">
        <source>received; the terminal kept %s</source>
        <translation>已接收;終端機保留了 %s</translation>
    </message>
    <message id="receive.noSuchFile">
        <source>the terminal has no such file</source>
        <translation>終端機上沒有這個檔案</translation>
    </message>
    <message id="receive.notFetched">
        <source>%s was not received</source>
        <translation>未接收 %s</translation>
    </message>
    <message id="receive.oldUnreadable">
        <source>%s cannot be read, so nothing is added to it: %s</source>
        <translation>無法讀取 %s,因此沒有向其附加任何內容:%s</translation>
    </message>
    <message id="receiveDialog.append">
        <source>Append</source>
        <translation>附加</translation>
    </message>
    <message id="receiveDialog.overwrite">
        <source>New/Overwrite</source>
        <translation>新增/覆寫</translation>
    </message>
    <message id="resident.badEntry">
        <source>collection entry '%s' names no terminal file (%s); write it as DATA1.TXT or C:\Data\DATA1.TXT</source>
        <translation>收集項目 '%s' 不是終端機上的檔案 (%s);請寫成 DATA1.TXT 或 C:\Data\DATA1.TXT</translation>
    </message>
    <message id="resident.noLink">
        <source>%s was not received: the terminal is not connected</source>
        <translation>未接收 %s:終端機未連線</translation>
    </message>
    <message id="status.bytes">
        <source>bytes</source>
        <translation>位元組</translation>
    </message>
    <message id="term.status.Busy">
        <source>the terminal is busy</source>
        <translation>終端機忙碌中</translation>
    </message>
    <message id="term.status.Done">
        <source>done</source>
        <translation>完成</translation>
    </message>
    <message id="term.status.Failed">
        <source>no valid answer</source>
        <translation>沒有有效的回應</translation>
    </message>
    <message id="term.status.FileExists">
        <source>the file exists</source>
        <translation>檔案已存在</translation>
    </message>
    <message id="term.status.InUse">
        <source>a file is in use on the terminal</source>
        <translation>終端機上有檔案正在使用中</translation>
    </message>
    <message id="term.status.InUse2">
        <source>a file is in use on the terminal</source>
        <translation>終端機上有檔案正在使用中</translation>
    </message>
    <message id="term.status.InUse3">
        <source>a file is in use on the terminal</source>
        <translation>終端機上有檔案正在使用中</translation>
    </message>
    <message id="term.status.LastKnown">
        <source>a status of the terminal's own</source>
        <translation>終端機自己的狀態</translation>
    </message>
    <message id="term.status.LowPower">
        <source>the terminal's power is too low</source>
        <translation>終端機電力太低</translation>
    </message>
    <message id="term.status.NeedsDefrag">
        <source>drive D: must be defragmented</source>
        <translation>磁碟機 D: 必須重組</translation>
    </message>
    <message id="term.status.NoSpace">
        <source>not enough space on the drive</source>
        <translation>磁碟機空間不足</translation>
    </message>
    <message id="term.status.NotFormatted">
        <source>the drive is not formatted</source>
        <translation>磁碟機尚未格式化</translation>
    </message>
    <message id="term.status.Refused">
        <source>the terminal refused the name or path</source>
        <translation>終端機拒絕了這個名稱或路徑</translation>
    </message>
    <message id="term.status.TransferDone">
        <source>the terminal did not take it (status 2)</source>
        <translation>終端機沒有接受(狀態 2)</translation>
    </message>
    <message id="term.status.WantsFlashWriter">
        <source>the terminal asks for the flash writer</source>
        <translation>終端機要求燒錄程式</translation>
    </message>
    <message id="term.status.unknown">
        <source>the terminal refused (status %d)</source>
        <translation>終端機拒絕了(狀態 %d)</translation>
    </message>
    <message id="transfer.cancelled">
        <source>The transfer was cancelled: nothing of the file was kept.</source>
        <translation>傳輸已取消:檔案的任何部分都未保留。</translation>
    </message>
    <message id="transfer.cancelledAt">
        <source>Cancelled at %s: it and the files after it were not copied</source>
        <translation>在 %s 取消：此檔案及其後的檔案都沒有複製</translation>
    </message>
    <message id="transfer.skipped">
        <source>Skipped %s: the file there was not replaced</source>
        <translation>已略過 %s：那裡的檔案沒有被取代</translation>
    </message>
</context>
</TS>
