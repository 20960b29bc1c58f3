<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_TW">
<context>
    <name>FeldSpan</name>
    <message id="100">
        <source>OLE initialization failed.  Make sure that the OLE libraries are the correct version.</source>
        <translation>OLE initialization failed.  Make sure that the OLE libraries are the correct version.</translation>
    </message>
    <message id="57344">
        <source>FeldSpan</source>
        <translation>FeldSpan</translation>
    </message>
    <message id="61220">
        <source>資料接收失敗</source>
        <translation>Data receive failed</translation>
    </message>
    <message id="61221">
        <source>連線失敗,請確認通訊埠狀態</source>
        <translation>Connection failed, please check the port</translation>
    </message>
    <message id="61222">
        <source>檔名太長&#xd;
檔名最多8個字元,副檔名最多3個字元</source>
        <translation>File name too long&#xd;
A name has at most 8 characters, its extension at most 3</translation>
    </message>
    <message id="61223">
        <source>燒錄程式不存在</source>
        <translation>The flash writer program does not exist</translation>
    </message>
    <message id="61224">
        <source>FeldSpan一次只能10個專案</source>
        <translation>FeldSpan takes at most 10 projects at a time</translation>
    </message>
    <message id="61225">
        <source>請選擇一個專案</source>
        <translation>Please select a project</translation>
    </message>
    <message id="61227">
        <source>專案:</source>
        <translation>Projects:</translation>
    </message>
    <message id="61228">
        <source>狀態</source>
        <translation>Status</translation>
    </message>
    <message id="61229">
        <source>傳送</source>
        <translation>Send</translation>
    </message>
    <message id="61230">
        <source>接收資料</source>
        <translation>Receive data</translation>
    </message>
    <message id="61231">
        <source>設定</source>
        <translation>Setup</translation>
    </message>
    <message id="61232">
        <source>加入</source>
        <translation>Add</translation>
    </message>
    <message id="61233">
        <source>移除</source>
        <translation>Remove</translation>
    </message>
    <message id="61234">
        <source>關於</source>
        <translation>About</translation>
    </message>
    <message id="61235">
        <source>複製%s完成</source>
        <translation>Copying %s completed</translation>
    </message>
    <message id="61236">
        <source>複製%s失敗!!</source>
        <translation>Copying %s failed!!</translation>
    </message>
    <message id="61237">
        <source>已刪除%s!!</source>
        <translation>Deleted %s!!</translation>
    </message>
    <message id="61238">
        <source>%s無法刪除!!</source>
        <translation>%s cannot be deleted!!</translation>
    </message>
    <message id="61239">
        <source>移動%s完成!!</source>
        <translation>Moving %s completed!!</translation>
    </message>
    <message id="61240">
        <source>搬移%s失敗!!</source>
        <translation>Moving %s failed!!</translation>
    </message>
    <message id="61241">
        <source>傳送 %s 中......</source>
        <translation>Sending %s ......</translation>
    </message>
    <message id="61242">
        <source>傳送結束</source>
        <translation>Transfer finished</translation>
    </message>
    <message id="61243">
        <source>連線失敗...</source>
        <translation>Connection failed...</translation>
    </message>
    <message id="61244">
        <source>格式化完成</source>
        <translation>Format completed</translation>
    </message>
    <message id="61245">
        <source>格式化失敗</source>
        <translation>Format failed</translation>
    </message>
    <message id="61246">
        <source>格式化磁碟機 D 前必須先格式化磁碟機 C:</source>
        <translation>Drive C: must be formatted before drive D:</translation>
    </message>
    <message id="61247">
        <source>磁碟機內的檔案會全部消失!!&#xd;
你確定要格式化?</source>
        <translation>All files on the drive will be lost!!&#xd;
Are you sure you want to format it?</translation>
    </message>
    <message id="61248">
        <source>同名稱專案已加入</source>
        <translation>A project with the same name has already been added</translation>
    </message>
    <message id="61250">
        <source>無專案可傳送</source>
        <translation>There is no project to send</translation>
    </message>
    <message id="61251">
        <source>檔案傳送失敗</source>
        <translation>File transfer failed</translation>
    </message>
    <message id="61252">
        <source>資料接收成功</source>
        <translation>Data received successfully</translation>
    </message>
    <message id="61253">
        <source>檔案下載完成</source>
        <translation>File download complete</translation>
    </message>
    <message id="61254">
        <source>韌體更新時會造成磁碟機 C: 和 D: 檔案流失&#xd;
你確定要更新韌體嗎?</source>
        <translation>Updating the firmware erases the files on drives C: and D:&#xd;
Are you sure you want to update the firmware?</translation>
    </message>
    <message id="61255">
        <source>按&quot;確定&quot;開始更新韌體.&#xd;
請查看終端機營幕.&#xd;
關機表示更新完成.</source>
        <translation>Press &quot;OK&quot; to start the firmware update.&#xd;
Watch the terminal's screen.&#xd;
The terminal switching off means the update is complete.</translation>
    </message>
    <message id="61256">
        <source>韌體更新完成</source>
        <translation>Firmware update complete</translation>
    </message>
    <message id="61257">
        <source>韌體更新未完成</source>
        <translation>Firmware update not completed</translation>
    </message>
    <message id="61258">
        <source>檔案已存在,要覆寫嗎?</source>
        <translation>The file already exists. Overwrite it?</translation>
    </message>
    <message id="61259">
        <source>無法獲得資訊,請確認連線狀態</source>
        <translation>No information could be obtained, please check the connection</translation>
    </message>
    <message id="61260">
        <source>磁碟機</source>
        <translation>Drive</translation>
    </message>
    <message id="61261">
        <source>檔案資料夾</source>
        <translation>File folder</translation>
    </message>
    <message id="61262">
        <source>檔案</source>
        <translation>File</translation>
    </message>
    <message id="61263">
        <source>已使用空間</source>
        <translation>Used space</translation>
    </message>
    <message id="61264">
        <source>可用空間</source>
        <translation>Free space</translation>
    </message>
    <message id="61265">
        <source>容量</source>
        <translation>Capacity</translation>
    </message>
    <message id="61266">
        <source>尚未格式化</source>
        <translation>Not formatted</translation>
    </message>
    <message id="61267">
        <source>%d/%02d/%02d,  %02d : %02d : %02d</source>
        <translation>%d/%02d/%02d,  %02d : %02d : %02d</translation>
    </message>
    <message id="61268">
        <source>磁碟機 C: 尚未格式化,請先將 C 槽格式化</source>
        <translation>Drive C: is not formatted, please format drive C first</translation>
    </message>
    <message id="61269">
        <source>磁碟機 D: 尚未格式化,請先將 D 槽格式化</source>
        <translation>Drive D: is not formatted, please format drive D first</translation>
    </message>
    <message id="61270">
        <source>磁碟機 C: 空間不足,請先刪除一些檔案</source>
        <translation>Drive C: is full, please delete some files first</translation>
    </message>
    <message id="61271">
        <source>磁碟機 D: 空間不足,請先刪除一些檔案</source>
        <translation>Drive D: is full, please delete some files first</translation>
    </message>
    <message id="61272">
        <source>%s已經存在,要覆寫嗎?</source>
        <translation>%s already exists. Overwrite it?</translation>
    </message>
    <message id="61273">
        <source>上傳....</source>
        <translation>Receiving....</translation>
    </message>
    <message id="61274">
        <source>下載....</source>
        <translation>Sending....</translation>
    </message>
    <message id="61275">
        <source>無任何資料可供接收</source>
        <translation>There is no data to receive</translation>
    </message>
    <message id="61276">
        <source>未連線</source>
        <translation>Not connected</translation>
    </message>
    <message id="61277">
        <source>請先將磁碟機 C: 格式化</source>
        <translation>Please format drive C: first</translation>
    </message>
    <message id="61278">
        <source>韌體版本不支援此功能,請更新韌體</source>
        <translation>This firmware version does not support the function, please update the firmware</translation>
    </message>
    <message id="61279">
        <source>格式化</source>
        <translation>Format</translation>
    </message>
    <message id="61280">
        <source>資料重組</source>
        <translation>Defragment</translation>
    </message>
    <message id="61281">
        <source>磁碟機 D 需要被重整,請執行資料重組</source>
        <translation>Drive D needs to be reorganised, please run the defragmentation</translation>
    </message>
    <message id="61282">
        <source>有檔案正在使用中,請先關閉正在執行的程式</source>
        <translation>A file is in use, please close the running program first</translation>
    </message>
    <message id="61283">
        <source>韌體版本為舊版,檔案可能無法正常使用,要繼續下載嗎???</source>
        <translation>The firmware is an old version and the files may not work. Continue the download???</translation>
    </message>
    <message id="61284">
        <source>此路徑不存在,請輸入正確路徑.</source>
        <translation>This path does not exist, please enter a correct path.</translation>
    </message>
    <message id="61286">
        <source>啟動常駐</source>
        <translation>Start resident mode</translation>
    </message>
    <message id="61287">
        <source>關閉常駐</source>
        <translation>Stop resident mode</translation>
    </message>
    <message id="61288">
        <source>在%s時,上傳檔案%s完成</source>
        <translation>At %s, receiving file %s completed</translation>
    </message>
    <message id="61289">
        <source>在%s時,上傳檔案%s失敗</source>
        <translation>At %s, receiving file %s failed</translation>
    </message>
    <message id="61290">
        <source>查無裝置,請安裝USB裝置,再檢查充電座switch1是否為On以及是否接上USB連接線及電源</source>
        <translation>No device found. Install the USB device, then check that switch 1 of the cradle is On and that the USB cable and the power are connected</translation>
    </message>
    <message id="61291">
        <source>檔案不為充電座韌體格式</source>
        <translation>The file is not in the cradle firmware format</translation>
    </message>
    <message id="61292">
        <source>確定要更新充電座韌體</source>
        <translation>Are you sure you want to update the cradle firmware?</translation>
    </message>
    <message id="61293">
        <source>請先開啟檔案</source>
        <translation>Please open a file first</translation>
    </message>
    <message id="61294">
        <source>充電座韌體更新完成,請重置充電座</source>
        <translation>The cradle firmware update is complete, please reset the cradle</translation>
    </message>
    <message id="61295">
        <source>充電座韌體更新未完成,請稍後重試</source>
        <translation>The cradle firmware update did not complete, please try again later</translation>
    </message>
    <message id="61297">
        <source>請透過USB先與充電座連結</source>
        <translation>Please connect to the cradle through USB first</translation>
    </message>
    <message id="61298">
        <source>無法處理此目錄</source>
        <translation>This folder cannot be handled</translation>
    </message>
    <message id="61299">
        <source>Project:</source>
        <translation>Project:</translation>
    </message>
    <message id="61300">
        <source>Program:</source>
        <translation>Program:</translation>
    </message>
    <message id="61301">
        <source>Font:</source>
        <translation>Font:</translation>
    </message>
    <message id="61302">
        <source>Lookup File:</source>
        <translation>Lookup File:</translation>
    </message>
    <message id="61303">
        <source>Data File:</source>
        <translation>Data File:</translation>
    </message>
    <message id="61304">
        <source>電腦</source>
        <translation>Computer</translation>
    </message>
    <message id="61305">
        <source>終端機</source>
        <translation>Terminal</translation>
    </message>
    <message id="about.cradle.version">
        <source>充電座韌體版本</source>
        <translation>Cradle firmware version</translation>
    </message>
    <message id="about.title">
        <source>關於 FeldSpan</source>
        <translation>About FeldSpan</translation>
    </message>
    <message id="aboutCradle.title">
        <source>關於充電座</source>
        <translation>About the Cradle</translation>
    </message>
    <message id="cli.collect.daily">
        <source>daily at </source>
        <translation>daily at </translation>
    </message>
    <message id="cli.collect.every">
        <source>every %d s</source>
        <translation>every %d s</translation>
    </message>
    <message id="cli.collect.noFiles">
        <source>no terminal file is switched on for collection: set FeldSpan/Standby/FileEnable1 and string1 (and the others) with `feldspan-cli config KEY VALUE`, or in the window's resident settings</source>
        <translation>no terminal file is switched on for collection: set FeldSpan/Standby/FileEnable1 and string1 (and the others) with `feldspan-cli config KEY VALUE`, or in the window's resident settings</translation>
    </message>
    <message id="cli.collect.noTimes">
        <source>at fixed times, none of which is switched on</source>
        <translation>at fixed times, none of which is switched on</translation>
    </message>
    <message id="cli.collect.start">
        <source>collecting %d file(s) %s into %s; Ctrl-C stops</source>
        <translation>collecting %d file(s) %s into %s; Ctrl-C stops</translation>
    </message>
    <message id="cli.collect.storage">
        <source>storage folder (FeldSpan/Standby/SavePath): </source>
        <translation>storage folder (FeldSpan/Standby/SavePath): </translation>
    </message>
    <message id="cli.defrag.done">
        <source>drive D: defragmented: %d file(s) back in place</source>
        <translation>drive D: defragmented: %d file(s) back in place</translation>
    </message>
    <message id="cli.defrag.finished">
        <source>the earlier defragmentation is finished: %d file(s) of drive D: are back in place</source>
        <translation>the earlier defragmentation is finished: %d file(s) of drive D: are back in place</translation>
    </message>
    <message id="cli.defrag.notDone">
        <source>drive D: was not defragmented</source>
        <translation>drive D: was not defragmented</translation>
    </message>
    <message id="cli.defrag.notFinished">
        <source>the earlier defragmentation was not finished: the copies stay in %s (use --yes to send them back)</source>
        <translation>the earlier defragmentation was not finished: the copies stay in %s (use --yes to send them back)</translation>
    </message>
    <message id="cli.defrag.unformatted">
        <source>drive D: is not formatted: there is nothing to defragment</source>
        <translation>drive D: is not formatted: there is nothing to defragment</translation>
    </message>
    <message id="cli.failedBecause">
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message id="cli.help.about">
        <source>Links this PC with the handheld terminal and its cradle.</source>
        <translation>Links this PC with the handheld terminal and its cradle.</translation>
    </message>
    <message id="cli.help.collect">
        <source>Runs the resident schedule of the FeldSpan/Standby settings until Ctrl-C.
  --once   one pass, exit 1 when a file failed
  --json   with --once: the pass's counts as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 collect --once</source>
        <translation>Runs the resident schedule of the FeldSpan/Standby settings until Ctrl-C.
  --once   one pass, exit 1 when a file failed
  --json   with --once: the pass's counts as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 collect --once</translation>
    </message>
    <message id="cli.help.command">
        <source>The command to run (below).</source>
        <translation>The command to run (below).</translation>
    </message>
    <message id="cli.help.commands">
        <source>Commands:</source>
        <translation>Commands:</translation>
    </message>
    <message id="cli.help.config">
        <source>  KEY        a key as 'config' lists it, e.g. FeldSpan/Settings/Baudrate
  VALUE      the new value; only that key's line is written
Example:
  feldspan-cli config FeldSpan/Settings/UsbIds 0403:6001</source>
        <translation>  KEY        a key as 'config' lists it, e.g. FeldSpan/Settings/Baudrate
  VALUE      the new value; only that key's line is written
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
        <translation>  list               the DFU devices: product name, vendor, product and release ids
  check FILE.dfu     check a firmware file and show what each kind of cradle gets
  image FILE.dfu OUT write the 64 KiB memory image the file describes
  update FILE.dfu    update the cradle's firmware (--index N: the device 'list' numbers)
  version            the cradle's firmware version (with --usb)
  --sim DESCRIPTION  a simulated cradle behind the same calls (1: the default one)
  --json             list and check print JSON
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
        <translation>Copies every file of D:\Fonts, D:\Lookup and D:\Program to the project folder, checks
the copies, formats D: and sends them back. D: is formatted only when every copy is
complete; a run that was interrupted is finished from its copies, never formatted again.
  --yes    answer the questions with Yes (global option)
Exit 0 only when every file is back.
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
        <translation>Checks serial port access, the udev rules, ModemManager, programs holding the port,
the USB-serial latency timer, USB access for cradle updates and a Chinese font.
Exit 0 when all is well, 1 when something needs fixing.
  --json   the checks as JSON
Example:
  feldspan-cli doctor</translation>
    </message>
    <message id="cli.help.dump">
        <source>  C|D   the drive
  OUT   a file, or a folder for the image's own name (default: the project folder)
Example:
  feldspan-cli dump C ~/images/</source>
        <translation>  C|D   the drive
  OUT   a file, or a folder for the image's own name (default: the project folder)
Example:
  feldspan-cli dump C ~/images/</translation>
    </message>
    <message id="cli.help.firmware">
        <source>  KERNEL.bin   the kernel image; drives C: and D: are erased first (asks)
Example:
  feldspan-cli --device /dev/ttyUSB0 firmware KERNEL.bin</source>
        <translation>  KERNEL.bin   the kernel image; drives C: and D: are erased first (asks)
Example:
  feldspan-cli --device /dev/ttyUSB0 firmware KERNEL.bin</translation>
    </message>
    <message id="cli.help.font">
        <source>  FILE.sft   a language-support font (&quot;@oemb-*.sft&quot;, an 8.3 name), sent into D:\Fonts
Exit 0 only when the terminal stored it.
Example:
  feldspan-cli --device /dev/ttyUSB0 font @oemb-tc.sft</source>
        <translation>  FILE.sft   a language-support font (&quot;@oemb-*.sft&quot;, an 8.3 name), sent into D:\Fonts
Exit 0 only when the terminal stored it.
Example:
  feldspan-cli --device /dev/ttyUSB0 font @oemb-tc.sft</translation>
    </message>
    <message id="cli.help.footer">
        <source>Run 'feldspan-cli COMMAND --help' for a command's arguments and an example.
Exit codes: 0 success, 1 failure (the reason is on stderr), 2 usage error.</source>
        <translation>Run 'feldspan-cli COMMAND --help' for a command's arguments and an example.
Exit codes: 0 success, 1 failure (the reason is on stderr), 2 usage error.</translation>
    </message>
    <message id="cli.help.format">
        <source>  C:|D:   the drive to format (asks first; --yes answers)
Example:
  feldspan-cli format C:</source>
        <translation>  C:|D:   the drive to format (asks first; --yes answers)
Example:
  feldspan-cli format C:</translation>
    </message>
    <message id="cli.help.get">
        <source>  TERMINAL_PATH   e.g. C:\Data\DATA1.TXT ('/' may stand for '\')
  LOCAL_PATH      a file, or a folder for the terminal file's name
Example:
  feldspan-cli get C:/Data/DATA1.TXT data1.txt</source>
        <translation>  TERMINAL_PATH   e.g. C:\Data\DATA1.TXT ('/' may stand for '\')
  LOCAL_PATH      a file, or a folder for the terminal file's name
Example:
  feldspan-cli get C:/Data/DATA1.TXT data1.txt</translation>
    </message>
    <message id="cli.help.info">
        <source>  --json   the result as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 info --json</source>
        <translation>  --json   the result as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 info --json</translation>
    </message>
    <message id="cli.help.ls">
        <source>  FOLDER   a terminal folder, e.g. C:\Data
  --json   the entries as JSON
Example:
  feldspan-cli ls C:/Data</source>
        <translation>  FOLDER   a terminal folder, e.g. C:\Data
  --json   the entries as JSON
Example:
  feldspan-cli ls C:/Data</translation>
    </message>
    <message id="cli.help.ping">
        <source>Opens the port and checks that the terminal answers.
  --json   the result as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 ping</source>
        <translation>Opens the port and checks that the terminal answers.
  --json   the result as JSON
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
        <translation>Lists the serial ports with their USB ids, descriptions and serial numbers; the
terminals the UsbIds setting names are marked.
  --usb    only USB serial ports, and the one --usb would connect to
  --json   the ports as JSON
Example:
  feldspan-cli ports --json</translation>
    </message>
    <message id="cli.help.put">
        <source>  LOCAL_FILE        an ordinary file with an 8.3 name
  TERMINAL_FOLDER   e.g. C:\Data
Example:
  feldspan-cli put stock.dat C:/Data</source>
        <translation>  LOCAL_FILE        an ordinary file with an 8.3 name
  TERMINAL_FOLDER   e.g. C:\Data
Example:
  feldspan-cli put stock.dat C:/Data</translation>
    </message>
    <message id="cli.help.receive">
        <source>  NAME...   data files of C:\Data
  --to DIR  the folder to save into (default: the Receive folder of the settings)
  --json    the files received as JSON
Example:
  feldspan-cli receive DATA1.TXT --to ~/scans --drop-cr</source>
        <translation>  NAME...   data files of C:\Data
  --to DIR  the folder to save into (default: the Receive folder of the settings)
  --json    the files received as JSON
Example:
  feldspan-cli receive DATA1.TXT --to ~/scans --drop-cr</translation>
    </message>
    <message id="cli.help.rm">
        <source>  TERMINAL_PATH...   files (or empty folders) on the terminal
Example:
  feldspan-cli rm C:/Data/DATA1.TXT</source>
        <translation>  TERMINAL_PATH...   files (or empty folders) on the terminal
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
        <translation>  PROJECT.ini...     project files (none: the one Builder.ini hands over)
  --skip-unchanged   skip each file the terminal holds with the same name, size,
                     date and time (its folders are listed first)
  --json             the files sent as JSON
After the send the terminal's folders are listed again: a file that is not there
at the size it was sent with fails the send.
Example:
  feldspan-cli send --skip-unchanged samples/FeldBuilder/Project/SAMPLE/SAMPLE.ini</translation>
    </message>
    <message id="cli.json.failed">
        <source>%s failed</source>
        <translation>%s failed</translation>
    </message>
    <message id="cli.json.usage">
        <source>wrong arguments; usage: feldspan-cli %s</source>
        <translation>wrong arguments; usage: feldspan-cli %s</translation>
    </message>
    <message id="cli.noDiskInfoWhy">
        <source>the terminal did not report its disk information</source>
        <translation>the terminal did not report its disk information</translation>
    </message>
    <message id="cli.noFontHandOver">
        <source>this front end cannot hand the font file to the download</source>
        <translation>this front end cannot hand the font file to the download</translation>
    </message>
    <message id="cli.noKernelHandOver">
        <source>this front end cannot hand the kernel file to the update</source>
        <translation>this front end cannot hand the kernel file to the update</translation>
    </message>
    <message id="cli.noSuchEntry">
        <source>%s: no such file or folder on the terminal</source>
        <translation>%s: no such file or folder on the terminal</translation>
    </message>
    <message id="cli.noSuchFileOrFull">
        <source>%s: no such file on the terminal (or a folder that is not empty)</source>
        <translation>%s: no such file on the terminal (or a folder that is not empty)</translation>
    </message>
    <message id="cli.notFetched">
        <source>%s was not fetched</source>
        <translation>%s was not fetched</translation>
    </message>
    <message id="cli.notFetchedExists">
        <source>not fetched: %s exists (use --yes to replace it)</source>
        <translation>not fetched: %s exists (use --yes to replace it)</translation>
    </message>
    <message id="cli.notFormatted">
        <source>%s: the drive is not formatted</source>
        <translation>%s: the drive is not formatted</translation>
    </message>
    <message id="cli.notFormattedDrive">
        <source>drive %s was not formatted</source>
        <translation>drive %s was not formatted</translation>
    </message>
    <message id="cli.notListed">
        <source>could not list %s on the terminal</source>
        <translation>could not list %s on the terminal</translation>
    </message>
    <message id="cli.notRemoved">
        <source>could not remove %s</source>
        <translation>could not remove %s</translation>
    </message>
    <message id="cli.notSent">
        <source>%s was not sent</source>
        <translation>%s was not sent</translation>
    </message>
    <message id="cli.notSentExists">
        <source>not sent: %s exists on the terminal (use --yes to overwrite)</source>
        <translation>not sent: %s exists on the terminal (use --yes to overwrite)</translation>
    </message>
    <message id="cli.notTerminalPath">
        <source>'%s' is not a path on the terminal (%s); write it as C:\Data\NAME.TXT</source>
        <translation>'%s' is not a path on the terminal (%s); write it as C:\Data\NAME.TXT</translation>
    </message>
    <message id="cli.opt.baud">
        <source>Line speed in bit/s, for this run: one of %s.</source>
        <translation>Line speed in bit/s, for this run: one of %s.</translation>
    </message>
    <message id="cli.opt.device">
        <source>The terminal's serial device, for this run (e.g. /dev/ttyUSB0).</source>
        <translation>The terminal's serial device, for this run (e.g. /dev/ttyUSB0).</translation>
    </message>
    <message id="cli.opt.help">
        <source>Show this help, or a command's.</source>
        <translation>Show this help, or a command's.</translation>
    </message>
    <message id="cli.opt.settings">
        <source>Use this INI file instead of the user's settings.</source>
        <translation>Use this INI file instead of the user's settings.</translation>
    </message>
    <message id="cli.opt.usb">
        <source>Connect over USB, for this run.</source>
        <translation>Connect over USB, for this run.</translation>
    </message>
    <message id="cli.opt.verbose">
        <source>Show status, port and debug lines (QT_LOGGING_RULES picks single ones).</source>
        <translation>Show status, port and debug lines (QT_LOGGING_RULES picks single ones).</translation>
    </message>
    <message id="cli.opt.version">
        <source>Show the version.</source>
        <translation>Show the version.</translation>
    </message>
    <message id="cli.opt.yes">
        <source>Answer Yes/OK to every question.</source>
        <translation>Answer Yes/OK to every question.</translation>
    </message>
    <message id="cli.ports.serial">
        <source>serial %s</source>
        <translation>serial %s</translation>
    </message>
    <message id="cli.ports.terminal">
        <source>[terminal]</source>
        <translation>[terminal]</translation>
    </message>
    <message id="cli.refusedName">
        <source>%s: the terminal refused the name or path</source>
        <translation>%s: the terminal refused the name or path</translation>
    </message>
    <message id="cli.replaceLocal">
        <source>%s exists on this PC. Replace it?</source>
        <translation>%s exists on this PC. Replace it?</translation>
    </message>
    <message id="cli.send.keptWhy">
        <source>the file exists on the terminal and was not overwritten</source>
        <translation>the file exists on the terminal and was not overwritten</translation>
    </message>
    <message id="cli.send.missing">
        <source>the project Builder.ini hands over is not there: </source>
        <translation>the project Builder.ini hands over is not there: </translation>
    </message>
    <message id="cli.send.none">
        <source>no project given, and the project folder's Builder.ini hands none over</source>
        <translation>no project given, and the project folder's Builder.ini hands none over</translation>
    </message>
    <message id="cli.unknownKey">
        <source>unknown key '%s' (run 'feldspan-cli config' to list the keys)</source>
        <translation>unknown key '%s' (run 'feldspan-cli config' to list the keys)</translation>
    </message>
    <message id="cli.unsafeName">
        <source>the terminal name '%s' cannot be used as a file name here; give a local file name</source>
        <translation>the terminal name '%s' cannot be used as a file name here; give a local file name</translation>
    </message>
    <message id="cli.usageHint">
        <source>usage: feldspan-cli [OPTIONS] COMMAND [ARGS...] ('feldspan-cli --help' lists the options and commands)</source>
        <translation>usage: feldspan-cli [OPTIONS] COMMAND [ARGS...] ('feldspan-cli --help' lists the options and commands)</translation>
    </message>
    <message id="close.busy">
        <source>正在與終端機傳輸資料。要取消傳輸並結束程式嗎?</source>
        <translation>Data is being transferred with the terminal. Cancel the transfer and quit?</translation>
    </message>
    <message id="cmd.about">
        <source>關於Feldspan...</source>
        <translation>&amp;About FeldSpan...</translation>
    </message>
    <message id="cmd.aboutCradle">
        <source>關於充電座...</source>
        <translation>About the &amp;Cradle...</translation>
    </message>
    <message id="cmd.addCr">
        <source>加入 &lt;Carriage-Return&gt; 字元</source>
        <translation>Add &lt;Carriage-Return&gt; Character</translation>
    </message>
    <message id="cmd.addLf">
        <source>加入 &lt;Line-Feed&gt; 字元</source>
        <translation>Add &lt;Line-Feed&gt; Character</translation>
    </message>
    <message id="cmd.addProject">
        <source>加入</source>
        <translation>&amp;Add</translation>
    </message>
    <message id="cmd.advancedMode">
        <source>進階模式</source>
        <translation>&amp;Advanced Mode</translation>
    </message>
    <message id="cmd.cradleUpdate">
        <source>更新充電座韌體</source>
        <translation>Update Cradle Firmware</translation>
    </message>
    <message id="cmd.defragment">
        <source>磁碟 D: 重組</source>
        <translation>Defragment D:</translation>
    </message>
    <message id="cmd.deleteAfter">
        <source>刪除檔案</source>
        <translation>Delete File</translation>
    </message>
    <message id="cmd.exit">
        <source>離開</source>
        <translation>E&amp;xit</translation>
    </message>
    <message id="cmd.firmware">
        <source>F/W 更新</source>
        <translation>F/W Update</translation>
    </message>
    <message id="cmd.firmwareButton">
        <source>更新新版韌體</source>
        <translation>Update to new firmware</translation>
    </message>
    <message id="cmd.formatC">
        <source>格式化 C:</source>
        <translation>Format C:</translation>
    </message>
    <message id="cmd.formatD">
        <source>格式化 D:</source>
        <translation>Format D:</translation>
    </message>
    <message id="cmd.help">
        <source>說明</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="cmd.languageDownload">
        <source>語系支援下載</source>
        <translation>Language Support Download</translation>
    </message>
    <message id="cmd.languageSystem">
        <source>依系統設定</source>
        <translation>System language</translation>
    </message>
    <message id="cmd.later">
        <source>這個指令尚未提供</source>
        <translation>This command is not available yet</translation>
    </message>
    <message id="cmd.newProject">
        <source>新增一個專案</source>
        <translation>Add a new project</translation>
    </message>
    <message id="cmd.portSerial">
        <source>序列埠</source>
        <translation>Serial Port</translation>
    </message>
    <message id="cmd.portSettings">
        <source>連接埠設定</source>
        <translation>Port Settings</translation>
    </message>
    <message id="cmd.portUsb">
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message id="cmd.projectMode">
        <source>專案模式</source>
        <translation>&amp;Project Mode</translation>
    </message>
    <message id="cmd.receive">
        <source>接收</source>
        <translation>Receive</translation>
    </message>
    <message id="cmd.residentSettings">
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message id="config.badStored">
        <source>bad value %s for %s in %s (it takes %s); using the default %s</source>
        <translation>bad value %s for %s in %s (it takes %s); using the default %s</translation>
    </message>
    <message id="config.badValue">
        <source>%s takes %s, not &quot;%s&quot;</source>
        <translation>%s takes %s, not &quot;%s&quot;</translation>
    </message>
    <message id="config.cannotWrite">
        <source>cannot write the settings to %s: %s</source>
        <translation>cannot write the settings to %s: %s</translation>
    </message>
    <message id="config.empty">
        <source>%s cannot be empty</source>
        <translation>%s cannot be empty</translation>
    </message>
    <message id="config.ini.line">
        <source>line %s: &quot;%s&quot; is neither a KEY=VALUE line, a [section] nor a comment</source>
        <translation>line %s: &quot;%s&quot; is neither a KEY=VALUE line, a [section] nor a comment</translation>
    </message>
    <message id="config.ini.open">
        <source>line %s: &quot;%s&quot; runs to the end of the file (a quote not closed, or a backslash at the end of the last line)</source>
        <translation>line %s: &quot;%s&quot; runs to the end of the file (a quote not closed, or a backslash at the end of the last line)</translation>
    </message>
    <message id="config.ini.readBack">
        <source>the changed settings would not read back (%s)</source>
        <translation>the changed settings would not read back (%s)</translation>
    </message>
    <message id="config.ini.section">
        <source>line %s: the section header &quot;%s&quot; has no closing &quot;]&quot;</source>
        <translation>line %s: the section header &quot;%s&quot; has no closing &quot;]&quot;</translation>
    </message>
    <message id="config.none">
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message id="config.notSettings">
        <source>not changing the settings: %s is not a valid settings file (%s)</source>
        <translation>not changing the settings: %s is not a valid settings file (%s)</translation>
    </message>
    <message id="config.programsOwn">
        <source>%s is written by the program itself</source>
        <translation>%s is written by the program itself</translation>
    </message>
    <message id="config.projectNotWritable">
        <source>The project folder %s cannot be written to (%s): files from the terminal cannot be kept there. Make it writable, or choose another project folder.</source>
        <translation>The project folder %s cannot be written to (%s): files from the terminal cannot be kept there. Make it writable, or choose another project folder.</translation>
    </message>
    <message id="config.store.access">
        <source>the file cannot be written (check its permissions and the free space)</source>
        <translation>the file cannot be written (check its permissions and the free space)</translation>
    </message>
    <message id="config.store.create">
        <source>cannot create a file in %s</source>
        <translation>cannot create a file in %s</translation>
    </message>
    <message id="config.store.folder">
        <source>cannot create the folder %s</source>
        <translation>cannot create the folder %s</translation>
    </message>
    <message id="config.store.format">
        <source>the file is not a valid settings file</source>
        <translation>the file is not a valid settings file</translation>
    </message>
    <message id="config.store.lockFile">
        <source>cannot create the lock file %s.lock</source>
        <translation>cannot create the lock file %s.lock</translation>
    </message>
    <message id="config.store.locked">
        <source>another program keeps the settings locked (%s.lock)</source>
        <translation>another program keeps the settings locked (%s.lock)</translation>
    </message>
    <message id="config.store.notAsIntended">
        <source>the changed settings did not read back as intended; %s was left as it was</source>
        <translation>the changed settings did not read back as intended; %s was left as it was</translation>
    </message>
    <message id="config.store.notFile">
        <source>%s is not a regular file</source>
        <translation>%s is not a regular file</translation>
    </message>
    <message id="config.store.read">
        <source>cannot read %s</source>
        <translation>cannot read %s</translation>
    </message>
    <message id="config.store.readBack">
        <source>cannot read back %s</source>
        <translation>cannot read back %s</translation>
    </message>
    <message id="config.store.resolve">
        <source>%s cannot be resolved</source>
        <translation>%s cannot be resolved</translation>
    </message>
    <message id="config.store.unknown">
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
    <message id="config.store.write">
        <source>cannot write %s</source>
        <translation>cannot write %s</translation>
    </message>
    <message id="config.takes.flag">
        <source>0 or 1</source>
        <translation>0 or 1</translation>
    </message>
    <message id="config.takes.number">
        <source>a whole number</source>
        <translation>a whole number</translation>
    </message>
    <message id="config.takes.oneOf">
        <source>one of %s</source>
        <translation>one of %s</translation>
    </message>
    <message id="config.takes.range">
        <source>a whole number from %d to %d</source>
        <translation>a whole number from %d to %d</translation>
    </message>
    <message id="config.takes.text">
        <source>a text</source>
        <translation>a text</translation>
    </message>
    <message id="config.takes.time">
        <source>a time in seconds since 1970 (a 32-bit number)</source>
        <translation>a time in seconds since 1970 (a 32-bit number)</translation>
    </message>
    <message id="config.takes.usbIds">
        <source>a list of VENDOR:PRODUCT hex ids separated by commas</source>
        <translation>a list of VENDOR:PRODUCT hex ids separated by commas</translation>
    </message>
    <message id="config.unknownKey">
        <source>unknown key: %s</source>
        <translation>unknown key: %s</translation>
    </message>
    <message id="cradle.browse">
        <source>瀏覽</source>
        <translation>Browse</translation>
    </message>
    <message id="cradle.byteOutside">
        <source>the byte at %s lies outside the area the update writes (%s) and is not written</source>
        <translation>the byte at %s lies outside the area the update writes (%s) and is not written</translation>
    </message>
    <message id="cradle.bytesOutside">
        <source>bytes at %s lie outside the area the update writes (%s) and are not written</source>
        <translation>bytes at %s lie outside the area the update writes (%s) and are not written</translation>
    </message>
    <message id="cradle.cancel">
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message id="cradle.cannotWriteImageWhy">
        <source>cannot write the image to %s (%s)</source>
        <translation>cannot write the image to %s (%s)</translation>
    </message>
    <message id="cradle.device">
        <source>DFU 裝置:</source>
        <translation>DFU device:</translation>
    </message>
    <message id="cradle.dfuStatusWords">
        <source>the cradle reported DFU status %u</source>
        <translation>the cradle reported DFU status %u</translation>
    </message>
    <message id="cradle.failedAtEnd">
        <source>the cradle update failed at its end: every block was written, but the cradle did not take the new firmware, %s. The cradle may not start until an update completes: run the update again</source>
        <translation>the cradle update failed at its end: every block was written, but the cradle did not take the new firmware, %s. The cradle may not start until an update completes: run the update again</translation>
    </message>
    <message id="cradle.failedInPhase">
        <source>the cradle update failed in phase %d, %s</source>
        <translation>the cradle update failed in phase %d, %s</translation>
    </message>
    <message id="cradle.file.at">
        <source>byte %u (line %u)</source>
        <translation>byte %u (line %u)</translation>
    </message>
    <message id="cradle.file.cannotOpen">
        <source>cannot open %s: %s</source>
        <translation>cannot open %s: %s</translation>
    </message>
    <message id="cradle.file.cannotRead">
        <source>cannot read %s</source>
        <translation>cannot read %s</translation>
    </message>
    <message id="cradle.file.checksum">
        <source>checksum %s does not match the record's bytes, which give %s: the record is damaged</source>
        <translation>checksum %s does not match the record's bytes, which give %s: the record is damaged</translation>
    </message>
    <message id="cradle.file.countHigh">
        <source>S1 byte count %u is above 35</source>
        <translation>S1 byte count %u is above 35</translation>
    </message>
    <message id="cradle.file.countLow">
        <source>S1 byte count %u leaves no room for the address and checksum</source>
        <translation>S1 byte count %u leaves no room for the address and checksum</translation>
    </message>
    <message id="cradle.file.countZero">
        <source>byte count 0 leaves no room for the checksum</source>
        <translation>byte count 0 leaves no room for the checksum</translation>
    </message>
    <message id="cradle.file.crc">
        <source>CRC mismatch: the suffix holds %s, the file's bytes give %s</source>
        <translation>CRC mismatch: the suffix holds %s, the file's bytes give %s</translation>
    </message>
    <message id="cradle.file.end">
        <source>the end of the records</source>
        <translation>the end of the records</translation>
    </message>
    <message id="cradle.file.lowAddress">
        <source>address %s is below 0x1000</source>
        <translation>address %s is below 0x1000</translation>
    </message>
    <message id="cradle.file.noCount">
        <source>truncated before its byte count</source>
        <translation>truncated before its byte count</translation>
    </message>
    <message id="cradle.file.noS">
        <source>does not begin with 'S'</source>
        <translation>does not begin with 'S'</translation>
    </message>
    <message id="cradle.file.noSuffix">
        <source>no DFU suffix at the end of the file (its last 16 bytes do not end in the &quot;UFD&quot; signature)</source>
        <translation>no DFU suffix at the end of the file (its last 16 bytes do not end in the &quot;UFD&quot; signature)</translation>
    </message>
    <message id="cradle.file.notHex">
        <source>character %s is not an upper-case hex digit</source>
        <translation>character %s is not an upper-case hex digit</translation>
    </message>
    <message id="cradle.file.notHexAtAll">
        <source>character %s is not a hex digit</source>
        <translation>character %s is not a hex digit</translation>
    </message>
    <message id="cradle.file.pastEnd">
        <source>data at %s runs past 0xFFFF (%u bytes)</source>
        <translation>data at %s runs past 0xFFFF (%u bytes)</translation>
    </message>
    <message id="cradle.file.record">
        <source>record at %s: %s</source>
        <translation>record at %s: %s</translation>
    </message>
    <message id="cradle.file.release">
        <source>the suffix names DFU release %s, not 0x0100</source>
        <translation>the suffix names DFU release %s, not 0x0100</translation>
    </message>
    <message id="cradle.file.short">
        <source>the file is %u bytes long, shorter than the 16-byte DFU suffix</source>
        <translation>the file is %u bytes long, shorter than the 16-byte DFU suffix</translation>
    </message>
    <message id="cradle.file.suffixLength">
        <source>the suffix length is %u, not 16</source>
        <translation>the suffix length is %u, not 16</translation>
    </message>
    <message id="cradle.file.tooLarge">
        <source>%s is larger than %u MiB; a cradle firmware file is far smaller</source>
        <translation>%s is larger than %u MiB; a cradle firmware file is far smaller</translation>
    </message>
    <message id="cradle.file.truncated">
        <source>truncated: %u bytes announced, %u present (or an odd number of digits)</source>
        <translation>truncated: %u bytes announced, %u present (or an odd number of digits)</translation>
    </message>
    <message id="cradle.file.type">
        <source>unknown record type S%c</source>
        <translation>unknown record type S%c</translation>
    </message>
    <message id="cradle.file.wideAddress">
        <source>S%c records carry addresses beyond the 64 KiB image</source>
        <translation>S%c records carry addresses beyond the 64 KiB image</translation>
    </message>
    <message id="cradle.fileName">
        <source>檔案名稱:</source>
        <translation>File name:</translation>
    </message>
    <message id="cradle.fileProblem">
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message id="cradle.imageExists">
        <source>not written: %s exists (use --yes to replace it)</source>
        <translation>not written: %s exists (use --yes to replace it)</translation>
    </message>
    <message id="cradle.noDevice">
        <source>there is no DFU device %d ('cradle list' shows the devices)</source>
        <translation>there is no DFU device %d ('cradle list' shows the devices)</translation>
    </message>
    <message id="cradle.noVersionCommand">
        <source>cradle version: not available in this build</source>
        <translation>cradle version: not available in this build</translation>
    </message>
    <message id="cradle.phase.finish">
        <source>Finishing</source>
        <translation>Finishing</translation>
    </message>
    <message id="cradle.phase.prepare">
        <source>Preparing the cradle</source>
        <translation>Preparing the cradle</translation>
    </message>
    <message id="cradle.phase.start">
        <source>Starting the firmware write</source>
        <translation>Starting the firmware write</translation>
    </message>
    <message id="cradle.phase.write">
        <source>Writing the firmware</source>
        <translation>Writing the firmware</translation>
    </message>
    <message id="cradle.progressTitle">
        <source>Cradle firmware update</source>
        <translation>Cradle firmware update</translation>
    </message>
    <message id="cradle.ranges.and">
        <source> and </source>
        <translation> and </translation>
    </message>
    <message id="cradle.ranges.more">
        <source> and %u more ranges</source>
        <translation> and %u more ranges</translation>
    </message>
    <message id="cradle.start">
        <source>開始更新</source>
        <translation>Start update</translation>
    </message>
    <message id="cradle.title">
        <source>充電座韌體更新</source>
        <translation>Cradle Firmware Update</translation>
    </message>
    <message id="cradle.usb.access">
        <source>%s - the system denies this user access to the cradle; install a udev rule such as SUBSYSTEM==&quot;usb&quot;, ATTR{bInterfaceClass}==&quot;fe&quot;, TAG+=&quot;uaccess&quot; in /etc/udev/rules.d/70-feldspan-cradle.rules (or add your user to the group that owns the device), then reconnect the cradle</source>
        <translation>%s - the system denies this user access to the cradle; install a udev rule such as SUBSYSTEM==&quot;usb&quot;, ATTR{bInterfaceClass}==&quot;fe&quot;, TAG+=&quot;uaccess&quot; in /etc/udev/rules.d/70-feldspan-cradle.rules (or add your user to the group that owns the device), then reconnect the cradle</translation>
    </message>
    <message id="cradle.usb.busy">
        <source>%s - another program uses the cradle's DFU interface</source>
        <translation>%s - another program uses the cradle's DFU interface</translation>
    </message>
    <message id="cradle.usb.gone">
        <source>%s - the cradle was disconnected; reconnect it and list the devices again</source>
        <translation>%s - the cradle was disconnected; reconnect it and list the devices again</translation>
    </message>
    <message id="cradle.usb.noDevice">
        <source>no DFU device %u in the last listing</source>
        <translation>no DFU device %u in the last listing</translation>
    </message>
    <message id="cradle.usb.noReturn">
        <source>DFU_DETACH: the cradle did not come back in DFU mode within %d ms</source>
        <translation>DFU_DETACH: the cradle did not come back in DFU mode within %d ms</translation>
    </message>
    <message id="cradle.usb.stall">
        <source>%s (the device stalled the request)</source>
        <translation>%s (the device stalled the request)</translation>
    </message>
    <message id="cradle.useOtherFile">
        <source>%s: %s. Use a firmware file made for this cradle ('feldspan-cli cradle check %s' shows where a file's bytes lie)</source>
        <translation>%s: %s. Use a firmware file made for this cradle ('feldspan-cli cradle check %s' shows where a file's bytes lie)</translation>
    </message>
    <message id="cradle.writesNothing">
        <source>%s: no byte lies in 0x8000-0xEFFF, where every update writes: an update would erase the cradle's firmware and write nothing, so it refuses this file. Use a firmware file made for the cradle</source>
        <translation>%s: no byte lies in 0x8000-0xEFFF, where every update writes: an update would erase the cradle's firmware and write nothing, so it refuses this file. Use a firmware file made for the cradle</translation>
    </message>
    <message id="defrag.badEntry">
        <source>%s 無法複製到本機(名稱或種類不符),磁碟機 D: 沒有被變更。</source>
        <translation>%s cannot be copied to this PC (its name or kind does not allow it); drive D: was not changed.</translation>
    </message>
    <message id="defrag.badManifest">
        <source>無法讀取資料重組清單 %s(%s)。複本仍保留在 %s,沒有任何檔案被變更。</source>
        <translation>The defragmentation list %s cannot be read (%s). The copies stay in %s; nothing was changed.</translation>
    </message>
    <message id="defrag.cannotWrite">
        <source>無法寫入 %s(%s),磁碟機 D: 沒有被格式化。</source>
        <translation>Cannot write %s (%s); drive D: was not formatted.</translation>
    </message>
    <message id="defrag.copyFailed">
        <source>%s 無法完整複製到本機(%s),磁碟機 D: 沒有被格式化。</source>
        <translation>%s could not be copied to this PC completely (%s); drive D: was not formatted.</translation>
    </message>
    <message id="defrag.folderEntry">
        <source>%s 內有資料夾 %s。資料重組只複製檔案,請先移走或刪除這個資料夾。磁碟機 D: 沒有被變更。</source>
        <translation>%s holds the folder %s. Defragmentation copies files only: move or delete that folder first. Drive D: was not changed.</translation>
    </message>
    <message id="defrag.keptCopies">
        <source>%d 個檔案沒有傳回磁碟機 D:。它們的複本保留在 %s(清單 %s);再執行一次資料重組即可把它們傳回,D: 不會再被格式化。</source>
        <translation>%d file(s) did not go back to drive D:. Their copies are kept in %s (list: %s); run the defragmentation again to send them back (D: is not formatted again).</translation>
    </message>
    <message id="defrag.noDiskInfo">
        <source>終端機沒有回報磁碟資訊,磁碟機 D: 沒有被變更。</source>
        <translation>The terminal did not report its disk information; drive D: was not changed.</translation>
    </message>
    <message id="defrag.noDiskInfoResume">
        <source>終端機沒有回報磁碟資訊,複本仍保留在原處。</source>
        <translation>The terminal did not report its disk information; the copies stay where they are.</translation>
    </message>
    <message id="defrag.noFolder">
        <source>無法建立資料夾 %s(%s),磁碟機 D: 沒有被變更。</source>
        <translation>Cannot create the folder %s (%s); drive D: was not changed.</translation>
    </message>
    <message id="defrag.noRoom">
        <source>本機空間不足:%s 需要 %s 位元組存放複本,只剩 %s 位元組。磁碟機 D: 沒有被變更。</source>
        <translation>Not enough room on this PC: %s needs %s bytes for the copies, only %s are free. Drive D: was not changed.</translation>
    </message>
    <message id="defrag.noSpaceInfo">
        <source>無法得知 %s 的可用空間(%s),磁碟機 D: 沒有被變更。</source>
        <translation>Cannot tell how much room %s has (%s); drive D: was not changed.</translation>
    </message>
    <message id="defrag.notBack">
        <source>%s 沒有傳回磁碟機 D:(%s),複本保留在 %s</source>
        <translation>%s did not go back to drive D: (%s); its copy is kept at %s</translation>
    </message>
    <message id="defrag.notListed">
        <source>無法列出 %s(%s),磁碟機 D: 沒有被變更。</source>
        <translation>Cannot list %s (%s); drive D: was not changed.</translation>
    </message>
    <message id="defrag.notSent">
        <source>終端機沒有送出這個檔案</source>
        <translation>the terminal did not send it</translation>
    </message>
    <message id="defrag.resume">
        <source>上次的資料重組沒有完成:%d 個檔案的複本仍保留在 %s。要把它們傳回磁碟機 D: 嗎?(D: 不會再被格式化)</source>
        <translation>An earlier defragmentation did not finish: copies of %d file(s) are still kept in %s. Send them back to drive D: now? (D: is not formatted again.)</translation>
    </message>
    <message id="defrag.sizeMismatch">
        <source>讀回 %s 位元組,終端機列出 %s 位元組</source>
        <translation>%s bytes read back, the terminal listed %s</translation>
    </message>
    <message id="dfu.AccessDenied">
        <source>access to the device was denied</source>
        <translation>access to the device was denied</translation>
    </message>
    <message id="dfu.BadParameter">
        <source>a parameter is missing or out of range</source>
        <translation>a parameter is missing or out of range</translation>
    </message>
    <message id="dfu.ClaimFailed">
        <source>the DFU interface could not be claimed</source>
        <translation>the DFU interface could not be claimed</translation>
    </message>
    <message id="dfu.DescriptorError">
        <source>the device descriptor could not be read</source>
        <translation>the device descriptor could not be read</translation>
    </message>
    <message id="dfu.DeviceGone">
        <source>the device is no longer attached</source>
        <translation>the device is no longer attached</translation>
    </message>
    <message id="dfu.InitFailed">
        <source>the USB library could not be initialised</source>
        <translation>the USB library could not be initialised</translation>
    </message>
    <message id="dfu.NoDfuDescriptor">
        <source>the device has no DFU functional descriptor</source>
        <translation>the device has no DFU functional descriptor</translation>
    </message>
    <message id="dfu.NoReturn">
        <source>the device did not come back in DFU mode after the detach</source>
        <translation>the device did not come back in DFU mode after the detach</translation>
    </message>
    <message id="dfu.NoSuchDevice">
        <source>no DFU device at this index (list the devices again)</source>
        <translation>no DFU device at this index (list the devices again)</translation>
    </message>
    <message id="dfu.NoThread">
        <source>the update could not be started</source>
        <translation>the update could not be started</translation>
    </message>
    <message id="dfu.NotOpen">
        <source>the handle does not name an open device</source>
        <translation>the handle does not name an open device</translation>
    </message>
    <message id="dfu.NothingToWrite">
        <source>the firmware file holds no byte in the area the update writes: the update would erase the cradle's firmware and write nothing, so it was refused before anything was erased</source>
        <translation>the firmware file holds no byte in the area the update writes: the update would erase the cradle's firmware and write nothing, so it was refused before anything was erased</translation>
    </message>
    <message id="dfu.Ok">
        <source>success</source>
        <translation>success</translation>
    </message>
    <message id="dfu.OpenFailed">
        <source>the device could not be opened</source>
        <translation>the device could not be opened</translation>
    </message>
    <message id="dfu.RequestFailed">
        <source>the device refused the request</source>
        <translation>the device refused the request</translation>
    </message>
    <message id="dfu.ShortReply">
        <source>the device answered fewer bytes than the request needs</source>
        <translation>the device answered fewer bytes than the request needs</translation>
    </message>
    <message id="dfu.StringError">
        <source>the string descriptor could not be read</source>
        <translation>the string descriptor could not be read</translation>
    </message>
    <message id="dfu.Timeout">
        <source>the device did not answer in time</source>
        <translation>the device did not answer in time</translation>
    </message>
    <message id="dfu.TooLarge">
        <source>the block is larger than the device's transfer size</source>
        <translation>the block is larger than the device's transfer size</translation>
    </message>
    <message id="dfu.WorkerBusy">
        <source>another cradle update is running</source>
        <translation>another cradle update is running</translation>
    </message>
    <message id="dfu.WorkerFault">
        <source>the update stopped on an unexpected fault (out of memory or a library failure)</source>
        <translation>the update stopped on an unexpected fault (out of memory or a library failure)</translation>
    </message>
    <message id="dfu.other">
        <source>code %s</source>
        <translation>code %s</translation>
    </message>
    <message id="dialog.allFiles">
        <source>所有檔案 (*)</source>
        <translation>All Files (*)</translation>
    </message>
    <message id="doctor.allWell">
        <source>all well</source>
        <translation>all well</translation>
    </message>
    <message id="doctor.busy.close">
        <source>end that program (a terminal program, a modem manager, another FeldSpan) before connecting</source>
        <translation>end that program (a terminal program, a modem manager, another FeldSpan) before connecting</translation>
    </message>
    <message id="doctor.busy.device">
        <source>look at the port in the Device Manager; plug the cradle in again</source>
        <translation>look at the port in the Device Manager; plug the cradle in again</translation>
    </message>
    <message id="doctor.busy.failed">
        <source>%s cannot be opened: %s</source>
        <translation>%s cannot be opened: %s</translation>
    </message>
    <message id="doctor.busy.free">
        <source>no other process has %s open</source>
        <translation>no other process has %s open</translation>
    </message>
    <message id="doctor.busy.freeWin">
        <source>no other program holds %s</source>
        <translation>no other program holds %s</translation>
    </message>
    <message id="doctor.busy.held">
        <source>%s is open in process %s</source>
        <translation>%s is open in process %s</translation>
    </message>
    <message id="doctor.busy.heldWin">
        <source>%s is in use by another program</source>
        <translation>%s is in use by another program</translation>
    </message>
    <message id="doctor.busy.hidden">
        <source> (the open files of %d processes could not be looked at)</source>
        <translation> (the open files of %d processes could not be looked at)</translation>
    </message>
    <message id="doctor.busy.noPort">
        <source>no serial port to check</source>
        <translation>no serial port to check</translation>
    </message>
    <message id="doctor.busy.title">
        <source>port in use</source>
        <translation>port in use</translation>
    </message>
    <message id="doctor.busy.unreadable">
        <source> (the open files of %d processes of other users could not be looked at; run as root to see them)</source>
        <translation> (the open files of %d processes of other users could not be looked at; run as root to see them)</translation>
    </message>
    <message id="doctor.com.choose">
        <source>connect the cradle, then choose one of the ports here in the port settings (or give it for one run: --device COMn)</source>
        <translation>connect the cradle, then choose one of the ports here in the port settings (or give it for one run: --device COMn)</translation>
    </message>
    <message id="doctor.com.missing">
        <source>the settings name %s, which does not exist (ports here: %s)</source>
        <translation>the settings name %s, which does not exist (ports here: %s)</translation>
    </message>
    <message id="doctor.com.none">
        <source>this machine has no COM port now</source>
        <translation>this machine has no COM port now</translation>
    </message>
    <message id="doctor.com.noneHere">
        <source>none</source>
        <translation>none</translation>
    </message>
    <message id="doctor.com.ok">
        <source>ports here: %s</source>
        <translation>ports here: %s</translation>
    </message>
    <message id="doctor.com.title">
        <source>COM ports</source>
        <translation>COM ports</translation>
    </message>
    <message id="doctor.com.unreadable">
        <source>the system's list of serial ports could not be read</source>
        <translation>the system's list of serial ports could not be read</translation>
    </message>
    <message id="doctor.driver.bind">
        <source>bind the WinUSB driver to the device %s (with a driver installer such as Zadig: choose the device, then WinUSB), then plug the cradle in again</source>
        <translation>bind the WinUSB driver to the device %s (with a driver installer such as Zadig: choose the device, then WinUSB), then plug the cradle in again</translation>
    </message>
    <message id="doctor.driver.noCradle">
        <source>no cradle waiting for an update is connected</source>
        <translation>no cradle waiting for an update is connected</translation>
    </message>
    <message id="doctor.driver.none">
        <source>the cradle %s waits for an update, and no driver is bound to it</source>
        <translation>the cradle %s waits for an update, and no driver is bound to it</translation>
    </message>
    <message id="doctor.driver.ok">
        <source>the cradle uses a driver the update works through: %s</source>
        <translation>the cradle uses a driver the update works through: %s</translation>
    </message>
    <message id="doctor.driver.other">
        <source>the cradle %s waits for an update, and its driver %s cannot be used for it</source>
        <translation>the cradle %s waits for an update, and its driver %s cannot be used for it</translation>
    </message>
    <message id="doctor.driver.title">
        <source>USB driver for cradle updates</source>
        <translation>USB driver for cradle updates</translation>
    </message>
    <message id="doctor.fixLabel">
        <source>fix:</source>
        <translation>fix:</translation>
    </message>
    <message id="doctor.font.install">
        <source>sudo apt install fonts-wqy-microhei (or fonts-noto-cjk)</source>
        <translation>sudo apt install fonts-wqy-microhei (or fonts-noto-cjk)</translation>
    </message>
    <message id="doctor.font.missing">
        <source>no font for Chinese: the window's Chinese texts and terminal file names show as boxes</source>
        <translation>no font for Chinese: the window's Chinese texts and terminal file names show as boxes</translation>
    </message>
    <message id="doctor.font.ok">
        <source>found: %s</source>
        <translation>found: %s</translation>
    </message>
    <message id="doctor.font.title">
        <source>Chinese font</source>
        <translation>Chinese font</translation>
    </message>
    <message id="doctor.group.denied">
        <source>%s belongs to the group %s, and this session may not open it</source>
        <translation>%s belongs to the group %s, and this session may not open it</translation>
    </message>
    <message id="doctor.group.join">
        <source>sudo usermod -aG %s %s, then log out and in again (or install the udev rules, which give the user at the seat the cradle)</source>
        <translation>sudo usermod -aG %s %s, then log out and in again (or install the udev rules, which give the user at the seat the cradle)</translation>
    </message>
    <message id="doctor.group.noPort">
        <source>no serial port to check: none is connected and the configured one is not there</source>
        <translation>no serial port to check: none is connected and the configured one is not there</translation>
    </message>
    <message id="doctor.group.ok">
        <source>this session may open %s</source>
        <translation>this session may open %s</translation>
    </message>
    <message id="doctor.group.relogin">
        <source>you were added to %s after logging in: log out and in again (or run `newgrp %s`)</source>
        <translation>you were added to %s after logging in: log out and in again (or run `newgrp %s`)</translation>
    </message>
    <message id="doctor.group.title">
        <source>serial port access</source>
        <translation>serial port access</translation>
    </message>
    <message id="doctor.latency.lower">
        <source>echo 1 | sudo tee %s/%s/latency_timer (until the adapter is unplugged; for good: a udev rule with ATTR{latency_timer}=&quot;1&quot;)</source>
        <translation>echo 1 | sudo tee %s/%s/latency_timer (until the adapter is unplugged; for good: a udev rule with ATTR{latency_timer}=&quot;1&quot;)</translation>
    </message>
    <message id="doctor.latency.none">
        <source>no USB-serial adapter with a latency timer is connected</source>
        <translation>no USB-serial adapter with a latency timer is connected</translation>
    </message>
    <message id="doctor.latency.ok">
        <source>1 ms on %s</source>
        <translation>1 ms on %s</translation>
    </message>
    <message id="doctor.latency.slow">
        <source>%s holds each short reply for %d ms (at 5 ms the link loses a fifth of its speed; FeldSpan asks for 1 ms while the port is open, which not every driver grants)</source>
        <translation>%s holds each short reply for %d ms (at 5 ms the link loses a fifth of its speed; FeldSpan asks for 1 ms while the port is open, which not every driver grants)</translation>
    </message>
    <message id="doctor.latency.title">
        <source>USB-serial latency</source>
        <translation>USB-serial latency</translation>
    </message>
    <message id="doctor.mm.holds">
        <source>ModemManager holds %s open</source>
        <translation>ModemManager holds %s open</translation>
    </message>
    <message id="doctor.mm.ignores">
        <source>running, and told to leave the USB serial ports alone</source>
        <translation>running, and told to leave the USB serial ports alone</translation>
    </message>
    <message id="doctor.mm.noPort">
        <source>running; no USB serial port for it to probe now</source>
        <translation>running; no USB serial port for it to probe now</translation>
    </message>
    <message id="doctor.mm.notRunning">
        <source>not running</source>
        <translation>not running</translation>
    </message>
    <message id="doctor.mm.probes">
        <source>running, and not told to leave %s alone: it may send modem commands to the terminal</source>
        <translation>running, and not told to leave %s alone: it may send modem commands to the terminal</translation>
    </message>
    <message id="doctor.mm.stop">
        <source>install the udev rules and plug the cradle in again, or sudo systemctl disable --now ModemManager</source>
        <translation>install the udev rules and plug the cradle in again, or sudo systemctl disable --now ModemManager</translation>
    </message>
    <message id="doctor.mm.title">
        <source>ModemManager</source>
        <translation>ModemManager</translation>
    </message>
    <message id="doctor.toFix">
        <source>%d thing(s) to fix</source>
        <translation>%d thing(s) to fix</translation>
    </message>
    <message id="doctor.udev.copy">
        <source>install the package, or sudo cp res/linux/%s /etc/udev/rules.d/ &amp;&amp; %s</source>
        <translation>install the package, or sudo cp res/linux/%s /etc/udev/rules.d/ &amp;&amp; %s</translation>
    </message>
    <message id="doctor.udev.installed">
        <source>installed: %s</source>
        <translation>installed: %s</translation>
    </message>
    <message id="doctor.udev.local">
        <source>%s is where udev never looks</source>
        <translation>%s is where udev never looks</translation>
    </message>
    <message id="doctor.udev.missing">
        <source>not installed: the cradle is only reachable for root, and ModemManager may probe it</source>
        <translation>not installed: the cradle is only reachable for root, and ModemManager may probe it</translation>
    </message>
    <message id="doctor.udev.title">
        <source>udev rules</source>
        <translation>udev rules</translation>
    </message>
    <message id="doctor.usb.denied">
        <source>the cradle at %s may not be opened by this session</source>
        <translation>the cradle at %s may not be opened by this session</translation>
    </message>
    <message id="doctor.usb.noBus">
        <source>no USB bus on this machine</source>
        <translation>no USB bus on this machine</translation>
    </message>
    <message id="doctor.usb.noCradle">
        <source>no cradle is connected</source>
        <translation>no cradle is connected</translation>
    </message>
    <message id="doctor.usb.ok">
        <source>this session may open %s</source>
        <translation>this session may open %s</translation>
    </message>
    <message id="doctor.usb.rules">
        <source>install the udev rules (%s) and plug the cradle in again</source>
        <translation>install the udev rules (%s) and plug the cradle in again</translation>
    </message>
    <message id="doctor.usb.title">
        <source>USB access for cradle updates</source>
        <translation>USB access for cradle updates</translation>
    </message>
    <message id="drop.folder">
        <source>%1:資料夾無法傳送到終端機,請選擇其中的檔案</source>
        <translation>%1: a folder cannot be sent to the terminal; choose the files in it</translation>
    </message>
    <message id="drop.name">
        <source>%1:終端機只能存放 8.3 格式的檔名(最多 8 個字元,副檔名最多 3 個字元)</source>
        <translation>%1: the terminal holds only 8.3 names (at most 8 characters, an extension of at most 3)</translation>
    </message>
    <message id="drop.notFile">
        <source>%1:不是可以傳送的檔案</source>
        <translation>%1: not a file that can be sent</translation>
    </message>
    <message id="drop.refused">
        <source>沒有傳送任何檔案:</source>
        <translation>No file was sent:</translation>
    </message>
    <message id="explorer.noSuchDrive">
        <source>there is no drive image of '%s'; the terminal's drives are C and D</source>
        <translation>there is no drive image of '%s'; the terminal's drives are C and D</translation>
    </message>
    <message id="explorer.sameFile">
        <source>%s and %s are the same file; nothing was copied</source>
        <translation>%s and %s are the same file; nothing was copied</translation>
    </message>
    <message id="file.changed">
        <source>%s changed while it was read</source>
        <translation>%s changed while it was read</translation>
    </message>
    <message id="file.grows">
        <source>%s is not an ordinary file: it holds more than its size says (%lld bytes)</source>
        <translation>%s is not an ordinary file: it holds more than its size says (%lld bytes)</translation>
    </message>
    <message id="file.isLink">
        <source>%s is a link; nothing is written through it (remove the link or choose another folder)</source>
        <translation>%s is a link; nothing is written through it (remove the link or choose another folder)</translation>
    </message>
    <message id="file.kind.blockDevice">
        <source>a block device</source>
        <translation>a block device</translation>
    </message>
    <message id="file.kind.charDevice">
        <source>a character device</source>
        <translation>a character device</translation>
    </message>
    <message id="file.kind.fifo">
        <source>a FIFO</source>
        <translation>a FIFO</translation>
    </message>
    <message id="file.kind.folder">
        <source>a folder</source>
        <translation>a folder</translation>
    </message>
    <message id="file.kind.other">
        <source>not an ordinary file</source>
        <translation>not an ordinary file</translation>
    </message>
    <message id="file.kind.socket">
        <source>a socket</source>
        <translation>a socket</translation>
    </message>
    <message id="file.noName">
        <source>no file name given</source>
        <translation>no file name given</translation>
    </message>
    <message id="file.notCopyable">
        <source>%s is %s, not a file that can be copied</source>
        <translation>%s is %s, not a file that can be copied</translation>
    </message>
    <message id="file.notOpen">
        <source>the file is not open</source>
        <translation>the file is not open</translation>
    </message>
    <message id="file.notRegular">
        <source>%s: not a regular file, a device or a FIFO; give a file name</source>
        <translation>%s: not a regular file, a device or a FIFO; give a file name</translation>
    </message>
    <message id="file.notSendable">
        <source>%s is %s, not a file that can be sent</source>
        <translation>%s is %s, not a file that can be sent</translation>
    </message>
    <message id="file.tooBig">
        <source>%s is too big for the terminal (%lld bytes)</source>
        <translation>%s is too big for the terminal (%lld bytes)</translation>
    </message>
    <message id="folder.cancel">
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message id="folder.ok">
        <source>確定</source>
        <translation>OK</translation>
    </message>
    <message id="folder.path">
        <source>路徑:</source>
        <translation>Path:</translation>
    </message>
    <message id="folder.title">
        <source>選擇資料夾</source>
        <translation>Choose a folder</translation>
    </message>
    <message id="font.choose">
        <source>語系支援下載</source>
        <translation>Language Support Download</translation>
    </message>
    <message id="format.confirmDrive">
        <source>磁碟機 %s 內的檔案會全部消失!!&#xd;
你確定要格式化磁碟機 %s?</source>
        <translation>All files on drive %s will be lost!!&#xd;
Are you sure you want to format drive %s?</translation>
    </message>
    <message id="help.folder">
        <source></source>
        <translation>en</translation>
    </message>
    <message id="help.missing">
        <source>&lt;p&gt;The help pages are not installed (%1).&lt;/p&gt;</source>
        <translation>&lt;p&gt;The help pages are not installed (%1).&lt;/p&gt;</translation>
    </message>
    <message id="help.title">
        <source>FeldSpan 說明</source>
        <translation>FeldSpan Help</translation>
    </message>
    <message id="language.nextStart">
        <source>FeldSpan 下次啟動時就會使用所選的語言。</source>
        <translation>FeldSpan will use the chosen language the next time it starts.</translation>
    </message>
    <message id="link.access.joinGroup">
        <source>add your user to the group that owns it (%s), e.g. &quot;sudo usermod -aG %s $USER&quot;, then log in again</source>
        <translation>add your user to the group that owns it (%s), e.g. &quot;sudo usermod -aG %s $USER&quot;, then log in again</translation>
    </message>
    <message id="link.access.lsusb">
        <source> (VVVV:PPPP as lsusb shows the device)</source>
        <translation> (VVVV:PPPP as lsusb shows the device)</translation>
    </message>
    <message id="link.access.noName">
        <source>its group %u has no name; </source>
        <translation>its group %u has no name; </translation>
    </message>
    <message id="link.access.noReadWrite">
        <source>its group (%s) may not read and write it; </source>
        <translation>its group (%s) may not read and write it; </translation>
    </message>
    <message id="link.access.root">
        <source>its group is root; </source>
        <translation>its group is root; </translation>
    </message>
    <message id="link.access.udev">
        <source>add a udev rule that gives your group access to this device, e.g. SUBSYSTEM==&quot;tty&quot;, %s, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; in /etc/udev/rules.d/50-feldspan.rules%s, then plug the device in again (and be in that group)</source>
        <translation>add a udev rule that gives your group access to this device, e.g. SUBSYSTEM==&quot;tty&quot;, %s, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; in /etc/udev/rules.d/50-feldspan.rules%s, then plug the device in again (and be in that group)</translation>
    </message>
    <message id="link.answerTooBig">
        <source>The terminal announced an answer of %u bytes, more than any command's; it was refused.</source>
        <translation>The terminal announced an answer of %u bytes, more than any command's; it was refused.</translation>
    </message>
    <message id="link.badFolder">
        <source>%s: not a folder the terminal has (%s)</source>
        <translation>%s: not a folder the terminal has (%s)</translation>
    </message>
    <message id="link.badPath">
        <source>%s: not a path the terminal takes (%s)</source>
        <translation>%s: not a path the terminal takes (%s)</translation>
    </message>
    <message id="link.badStoredName">
        <source>%s: the terminal cannot store it as %s (%s); rename the file first</source>
        <translation>%s: the terminal cannot store it as %s (%s); rename the file first</translation>
    </message>
    <message id="link.badUsbPorts">
        <source>%s: &quot;%s&quot; is not PATH=VVVV:PPPP (hex USB vendor and product ids)</source>
        <translation>%s: &quot;%s&quot; is not PATH=VVVV:PPPP (hex USB vendor and product ids)</translation>
    </message>
    <message id="link.baudBack">
        <source>The port could not be set back to %d bit/s and is closed (%s); the next operation opens it again.</source>
        <translation>The port could not be set back to %d bit/s and is closed (%s); the next operation opens it again.</translation>
    </message>
    <message id="link.cancelled">
        <source>the transfer was cancelled</source>
        <translation>the transfer was cancelled</translation>
    </message>
    <message id="link.cannotOpen">
        <source>cannot open %s: %s</source>
        <translation>cannot open %s: %s</translation>
    </message>
    <message id="link.cannotWrite">
        <source>cannot write to %s: %s</source>
        <translation>cannot write to %s: %s</translation>
    </message>
    <message id="link.connectOff">
        <source>connecting is switched off in the port settings</source>
        <translation>connecting is switched off in the port settings</translation>
    </message>
    <message id="link.connectionLost">
        <source>the connection to the terminal was lost (%s)</source>
        <translation>the connection to the terminal was lost (%s)</translation>
    </message>
    <message id="link.deviceBusy">
        <source>device busy: %s is in use by another program</source>
        <translation>device busy: %s is in use by another program</translation>
    </message>
    <message id="link.deviceBusyWhy">
        <source>device busy: %s is in use by another program (%s)</source>
        <translation>device busy: %s is in use by another program (%s)</translation>
    </message>
    <message id="link.deviceClosed">
        <source>the device closed</source>
        <translation>the device closed</translation>
    </message>
    <message id="link.deviceGone">
        <source>the device %s went away (%s)</source>
        <translation>the device %s went away (%s)</translation>
    </message>
    <message id="link.deviceMissing">
        <source>device missing: %s does not exist (is the terminal connected and switched on?)</source>
        <translation>device missing: %s does not exist (is the terminal connected and switched on?)</translation>
    </message>
    <message id="link.deviceMissingNoPorts">
        <source>device missing: %s does not exist, and this computer has no serial ports (is the terminal's cradle connected?)</source>
        <translation>device missing: %s does not exist, and this computer has no serial ports (is the terminal's cradle connected?)</translation>
    </message>
    <message id="link.deviceMissingPorts">
        <source>device missing: %s does not exist (ports here: %s)</source>
        <translation>device missing: %s does not exist (ports here: %s)</translation>
    </message>
    <message id="link.fileTooBig">
        <source>The terminal announced a file of %u bytes, more than its drives hold; it was refused.</source>
        <translation>The terminal announced a file of %u bytes, more than its drives hold; it was refused.</translation>
    </message>
    <message id="link.fileTooShort">
        <source>The terminal announced a file of %u bytes, too short for its header; it was refused.</source>
        <translation>The terminal announced a file of %u bytes, too short for its header; it was refused.</translation>
    </message>
    <message id="link.folderTooLong">
        <source>The terminal folder path is too long (%d bytes, at most %d): %s</source>
        <translation>The terminal folder path is too long (%d bytes, at most %d): %s</translation>
    </message>
    <message id="link.frameRetries">
        <source>the terminal did not take a frame in %d attempts; check the cable and the line speed</source>
        <translation>the terminal did not take a frame in %d attempts; check the cable and the line speed</translation>
    </message>
    <message id="link.hungUp">
        <source>it hung up</source>
        <translation>it hung up</translation>
    </message>
    <message id="link.ioThreadStopped">
        <source>the port's I/O thread stopped (%s)</source>
        <translation>the port's I/O thread stopped (%s)</translation>
    </message>
    <message id="link.kernelOddSize">
        <source>%s is %u bytes long: a kernel image is a whole number of 4-byte words; nothing was sent</source>
        <translation>%s is %u bytes long: a kernel image is a whole number of 4-byte words; nothing was sent</translation>
    </message>
    <message id="link.kernelOddSizeKept">
        <source>%s is %u bytes long: a kernel image is a whole number of 4-byte words; nothing on the terminal was changed</source>
        <translation>%s is %u bytes long: a kernel image is a whole number of 4-byte words; nothing on the terminal was changed</translation>
    </message>
    <message id="link.kernelUnread">
        <source>%s; nothing on the terminal was changed</source>
        <translation>%s; nothing on the terminal was changed</translation>
    </message>
    <message id="link.kind.answer">
        <source>an answer</source>
        <translation>an answer</translation>
    </message>
    <message id="link.kind.file">
        <source>a file</source>
        <translation>a file</translation>
    </message>
    <message id="link.kind.transfer">
        <source>a transfer</source>
        <translation>a transfer</translation>
    </message>
    <message id="link.lineNotSet">
        <source>the line cannot be set to %s (%s)</source>
        <translation>the line cannot be set to %s (%s)</translation>
    </message>
    <message id="link.name.base">
        <source>not an 8.3 name: the base is not 1-8 characters</source>
        <translation>not an 8.3 name: the base is not 1-8 characters</translation>
    </message>
    <message id="link.name.character">
        <source>not an 8.3 name: it holds a character a short name cannot hold</source>
        <translation>not an 8.3 name: it holds a character a short name cannot hold</translation>
    </message>
    <message id="link.name.dots">
        <source>not an 8.3 name: more than one '.'</source>
        <translation>not an 8.3 name: more than one '.'</translation>
    </message>
    <message id="link.name.empty">
        <source>empty name</source>
        <translation>empty name</translation>
    </message>
    <message id="link.name.extension">
        <source>not an 8.3 name: the extension is not 1-3 characters</source>
        <translation>not an 8.3 name: the extension is not 1-3 characters</translation>
    </message>
    <message id="link.name.lowerCase">
        <source>not an upper-case 8.3 name</source>
        <translation>not an upper-case 8.3 name</translation>
    </message>
    <message id="link.noAnswer">
        <source>the terminal did not answer (is it switched on, in its cradle and ready to transfer?)</source>
        <translation>the terminal did not answer (is it switched on, in its cradle and ready to transfer?)</translation>
    </message>
    <message id="link.noFileSent">
        <source>the terminal sent no file</source>
        <translation>the terminal sent no file</translation>
    </message>
    <message id="link.noIoThread">
        <source>cannot start the port's I/O thread: %s</source>
        <translation>cannot start the port's I/O thread: %s</translation>
    </message>
    <message id="link.noLinkCheck">
        <source>the terminal did not answer the link check (is it switched on and in transfer mode?)</source>
        <translation>the terminal did not answer the link check (is it switched on and in transfer mode?)</translation>
    </message>
    <message id="link.noPort">
        <source>the port could not be made</source>
        <translation>the port could not be made</translation>
    </message>
    <message id="link.noSuchFile">
        <source>no such file on the terminal</source>
        <translation>no such file on the terminal</translation>
    </message>
    <message id="link.noUsbDevice">
        <source>no USB serial device found: connect the terminal's cradle and check its cable</source>
        <translation>no USB serial device found: connect the terminal's cradle and check its cable</translation>
    </message>
    <message id="link.noUsbTerminal">
        <source>no USB terminal found among the USB serial devices (none matches the configured ids)</source>
        <translation>no USB terminal found among the USB serial devices (none matches the configured ids)</translation>
    </message>
    <message id="link.noVersion">
        <source>%s: not sent: the terminal did not report its firmware version</source>
        <translation>%s: not sent: the terminal did not report its firmware version</translation>
    </message>
    <message id="link.noWriter">
        <source>The flash writer %s is missing or cannot be read (%s). It comes from the terminal's vendor with the terminal's own software: put it there and try again. Nothing on the terminal was changed.</source>
        <translation>The flash writer %s is missing or cannot be read (%s). It comes from the terminal's vendor with the terminal's own software: put it there and try again. Nothing on the terminal was changed.</translation>
    </message>
    <message id="link.noisyLine">
        <source>the terminal's frames kept arriving damaged; check the cable and the line speed</source>
        <translation>the terminal's frames kept arriving damaged; check the cable and the line speed</translation>
    </message>
    <message id="link.notAnswering">
        <source>the terminal does not answer; retrying (attempt %d of %d)</source>
        <translation>the terminal does not answer; retrying (attempt %d of %d)</translation>
    </message>
    <message id="link.notFormatted">
        <source>the drive is not formatted</source>
        <translation>the drive is not formatted</translation>
    </message>
    <message id="link.notKernel">
        <source>%s is not a kernel image (a .bin file); nothing on the terminal was changed</source>
        <translation>%s is not a kernel image (a .bin file); nothing on the terminal was changed</translation>
    </message>
    <message id="link.notSent">
        <source>the terminal did not send it (%s)</source>
        <translation>the terminal did not send it (%s)</translation>
    </message>
    <message id="link.otherModel">
        <source>The terminal is a model this program cannot update (class %d, number %d)</source>
        <translation>The terminal is a model this program cannot update (class %d, number %d)</translation>
    </message>
    <message id="link.path.component">
        <source>path component %s: %s</source>
        <translation>path component %s: %s</translation>
    </message>
    <message id="link.path.dot">
        <source>path has a '.' component</source>
        <translation>path has a '.' component</translation>
    </message>
    <message id="link.path.dotDot">
        <source>path has a '..' component</source>
        <translation>path has a '..' component</translation>
    </message>
    <message id="link.path.drive">
        <source>drive is not C: or D:</source>
        <translation>drive is not C: or D:</translation>
    </message>
    <message id="link.path.empty">
        <source>path has an empty component</source>
        <translation>path has an empty component</translation>
    </message>
    <message id="link.path.noBackslash">
        <source>path has no '\' after the drive</source>
        <translation>path has no '\' after the drive</translation>
    </message>
    <message id="link.path.noDrive">
        <source>path does not start with a drive</source>
        <translation>path does not start with a drive</translation>
    </message>
    <message id="link.path.noFile">
        <source>path names a folder, not a file</source>
        <translation>path names a folder, not a file</translation>
    </message>
    <message id="link.path.slash">
        <source>path has a '/'</source>
        <translation>path has a '/'</translation>
    </message>
    <message id="link.pathTooLong">
        <source>The terminal path is too long: %s</source>
        <translation>The terminal path is too long: %s</translation>
    </message>
    <message id="link.permissionDenied">
        <source>permission denied on %s: %s</source>
        <translation>permission denied on %s: %s</translation>
    </message>
    <message id="link.refused">
        <source>The terminal sent %s where %s was expected; it was refused.</source>
        <translation>The terminal sent %s where %s was expected; it was refused.</translation>
    </message>
    <message id="link.rootFolder">
        <source>%s is a drive, not a folder: the terminal keeps files in the folders of a drive; name one, e.g. %sData</source>
        <translation>%s is a drive, not a folder: the terminal keeps files in the folders of a drive; name one, e.g. %sData</translation>
    </message>
    <message id="link.settingsCancelled">
        <source>the port settings were cancelled</source>
        <translation>the port settings were cancelled</translation>
    </message>
    <message id="link.severalUsb">
        <source>%d USB serial devices are connected and UsbIds names none of them as the terminal, so none is guessed at: %s. Name the terminal's with `feldspan-cli config FeldSpan/Settings/UsbIds VVVV:PPPP`, or use --device</source>
        <translation>%d USB serial devices are connected and UsbIds names none of them as the terminal, so none is guessed at: %s. Name the terminal's with `feldspan-cli config FeldSpan/Settings/UsbIds VVVV:PPPP`, or use --device</translation>
    </message>
    <message id="link.stayedBusy">
        <source>the terminal stayed busy and did not take the data</source>
        <translation>the terminal stayed busy and did not take the data</translation>
    </message>
    <message id="link.stoppedAnswering">
        <source>the terminal stopped answering (is it still switched on and in its cradle?)</source>
        <translation>the terminal stopped answering (is it still switched on and in its cradle?)</translation>
    </message>
    <message id="link.tooBig">
        <source>%s: too big to send to the terminal</source>
        <translation>%s: too big to send to the terminal</translation>
    </message>
    <message id="link.updateBaud">
        <source>The port could not be switched to %d bit/s for the update: %s</source>
        <translation>The port could not be switched to %d bit/s for the update: %s</translation>
    </message>
    <message id="link.waitFailed">
        <source>its wait failed: %s</source>
        <translation>its wait failed: %s</translation>
    </message>
    <message id="link.writerEmpty">
        <source>it is empty</source>
        <translation>it is empty</translation>
    </message>
    <message id="link.writerLoop">
        <source>The terminal keeps asking for the flash writer; giving up.</source>
        <translation>The terminal keeps asking for the flash writer; giving up.</translation>
    </message>
    <message id="listing.noAnswer">
        <source>the terminal did not list it</source>
        <translation>the terminal did not list it</translation>
    </message>
    <message id="listing.notConfirmed">
        <source>sent but not confirmed: the terminal's listing of %s failed (%s): %s</source>
        <translation>sent but not confirmed: the terminal's listing of %s failed (%s): %s</translation>
    </message>
    <message id="listing.notFound">
        <source>sent but not found on the terminal: %s</source>
        <translation>sent but not found on the terminal: %s</translation>
    </message>
    <message id="listing.otherSize">
        <source>sent but of another size on the terminal: %s (%u bytes there, %u sent)</source>
        <translation>sent but of another size on the terminal: %s (%u bytes there, %u sent)</translation>
    </message>
    <message id="menu.dataReceive">
        <source>資料接收</source>
        <translation>Data Receive</translation>
    </message>
    <message id="menu.file">
        <source>檔案</source>
        <translation>&amp;File</translation>
    </message>
    <message id="menu.help">
        <source>說明</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="menu.language">
        <source>語言</source>
        <translation>Language</translation>
    </message>
    <message id="menu.portChoice">
        <source>連接埠選擇</source>
        <translation>Port Choice</translation>
    </message>
    <message id="menu.resident">
        <source>常駐</source>
        <translation>Resident</translation>
    </message>
    <message id="menu.settings">
        <source>設定</source>
        <translation>&amp;Settings</translation>
    </message>
    <message id="menu.tools">
        <source>工具</source>
        <translation>&amp;Tools</translation>
    </message>
    <message id="menu.window">
        <source>視窗</source>
        <translation>&amp;Window</translation>
    </message>
    <message id="pc.fileSystem">
        <source>檔案系統</source>
        <translation>File System</translation>
    </message>
    <message id="pc.home">
        <source>個人資料夾</source>
        <translation>Home</translation>
    </message>
    <message id="port.baud">
        <source>傳輸速率:</source>
        <translation>Baud rate:</translation>
    </message>
    <message id="port.connect">
        <source>連線</source>
        <translation>Connect</translation>
    </message>
    <message id="port.databits">
        <source>資料位元:</source>
        <translation>Data bits:</translation>
    </message>
    <message id="port.device">
        <source>序列埠:</source>
        <translation>Serial port:</translation>
    </message>
    <message id="port.lineErrors">
        <source>顯示線路錯誤</source>
        <translation>Show line errors</translation>
    </message>
    <message id="port.parity">
        <source>同位檢查:</source>
        <translation>Parity:</translation>
    </message>
    <message id="port.parity.even">
        <source>偶數</source>
        <translation>Even</translation>
    </message>
    <message id="port.parity.none">
        <source>無</source>
        <translation>None</translation>
    </message>
    <message id="port.parity.odd">
        <source>奇數</source>
        <translation>Odd</translation>
    </message>
    <message id="port.stopbits">
        <source>停止位元:</source>
        <translation>Stop bits:</translation>
    </message>
    <message id="port.title">
        <source>連接埠設定</source>
        <translation>Port Settings</translation>
    </message>
    <message id="progress.bytes">
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message id="progress.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="progress.cancelling">
        <source>Stopping the transfer...</source>
        <translation>Stopping the transfer...</translation>
    </message>
    <message id="progress.kib">
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message id="progress.left">
        <source>%1:%2 left</source>
        <translation>%1:%2 left</translation>
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
        <translation>%s: %s is not sent: a project holds lookup and data files 1 to 20 only</translation>
    </message>
    <message id="project.cancelled">
        <source>The send was cancelled: the message view lists the files not sent.</source>
        <translation>The send was cancelled: the message view lists the files not sent.</translation>
    </message>
    <message id="project.cancelledAt">
        <source>not sent %s: the send was cancelled here</source>
        <translation>not sent %s: the send was cancelled here</translation>
    </message>
    <message id="project.fileMissing">
        <source>%s: %s is not on this PC (looked for %s)</source>
        <translation>%s: %s is not on this PC (looked for %s)</translation>
    </message>
    <message id="project.kept">
        <source>skipped %s: the terminal's file was kept, not overwritten: %s</source>
        <translation>skipped %s: the terminal's file was kept, not overwritten: %s</translation>
    </message>
    <message id="project.listFailed">
        <source>The terminal's folder %s could not be listed (%s): every file is sent.</source>
        <translation>The terminal's folder %s could not be listed (%s): every file is sent.</translation>
    </message>
    <message id="project.noFiles">
        <source>%s: no file to send; a project file names its files in lines such as &quot;Program=C:\Project\APP.ABP&quot;, &quot;Lookup1=...&quot;, &quot;DataFile1=...&quot;, &quot;SysFont=...&quot; and &quot;UserFont=...&quot;</source>
        <translation>%s: no file to send; a project file names its files in lines such as &quot;Program=C:\Project\APP.ABP&quot;, &quot;Lookup1=...&quot;, &quot;DataFile1=...&quot;, &quot;SysFont=...&quot; and &quot;UserFont=...&quot;</translation>
    </message>
    <message id="project.notChecked">
        <source>Nothing was sent: these files cannot be sent as the projects name them.</source>
        <translation>Nothing was sent: these files cannot be sent as the projects name them.</translation>
    </message>
    <message id="project.notSent">
        <source>not sent %s -&gt; %s</source>
        <translation>not sent %s -&gt; %s</translation>
    </message>
    <message id="project.notSentAfterStop">
        <source>not sent %s: the send stopped at an earlier file</source>
        <translation>not sent %s: the send stopped at an earlier file</translation>
    </message>
    <message id="project.onlyChanged">
        <source>Send only changed files</source>
        <translation>Send only changed files</translation>
    </message>
    <message id="project.onlyChangedTip">
        <source>Skip each file the terminal already holds with the same name, size, date and time</source>
        <translation>Skip each file the terminal already holds with the same name, size, date and time</translation>
    </message>
    <message id="project.open">
        <source>開啟</source>
        <translation>Open</translation>
    </message>
    <message id="project.places">
        <source>%s, and %s in any letter case</source>
        <translation>%s, and %s in any letter case</translation>
    </message>
    <message id="project.sendTip">
        <source>Sends every project of the list to the terminal, in the list's order</source>
        <translation>Sends every project of the list to the terminal, in the list's order</translation>
    </message>
    <message id="project.sentLine">
        <source>sent %s -&gt; %s</source>
        <translation>sent %s -&gt; %s</translation>
    </message>
    <message id="project.unchanged">
        <source>unchanged: %s</source>
        <translation>unchanged: %s</translation>
    </message>
    <message id="project.warnings">
        <source>Some entries of the projects are not sent:</source>
        <translation>Some entries of the projects are not sent:</translation>
    </message>
    <message id="props.caption">
        <source>內容</source>
        <translation>Properties</translation>
    </message>
    <message id="props.created">
        <source>建立日期:</source>
        <translation>Created:</translation>
    </message>
    <message id="props.location">
        <source>位置:</source>
        <translation>Location:</translation>
    </message>
    <message id="props.name">
        <source>名稱:</source>
        <translation>Name:</translation>
    </message>
    <message id="props.size">
        <source>大小:</source>
        <translation>Size:</translation>
    </message>
    <message id="props.type">
        <source>類型:</source>
        <translation>Type:</translation>
    </message>
    <message id="receive.badEntry">
        <source>%s names no terminal file (%s)</source>
        <translation>%s names no terminal file (%s)</translation>
    </message>
    <message id="receive.badName">
        <source>the terminal's file name cannot be used on this PC: </source>
        <translation>the terminal's file name cannot be used on this PC: </translation>
    </message>
    <message id="receive.kept">
        <source>received; the terminal kept %s</source>
        <translation>received; the terminal kept %s</translation>
    </message>
    <message id="receive.noSuchFile">
        <source>the terminal has no such file</source>
        <translation>the terminal has no such file</translation>
    </message>
    <message id="receive.notFetched">
        <source>%s was not received</source>
        <translation>%s was not received</translation>
    </message>
    <message id="receive.oldUnreadable">
        <source>%s cannot be read, so nothing is added to it: %s</source>
        <translation>%s cannot be read, so nothing is added to it: %s</translation>
    </message>
    <message id="receiveDialog.append">
        <source>Append</source>
        <translation>Append</translation>
    </message>
    <message id="receiveDialog.cancel">
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message id="receiveDialog.delete">
        <source>檔案接收後刪除終端機檔案</source>
        <translation>Delete the terminal's file after receiving it</translation>
    </message>
    <message id="receiveDialog.file">
        <source>檔案:</source>
        <translation>File:</translation>
    </message>
    <message id="receiveDialog.format">
        <source>寫入格式:</source>
        <translation>Write format:</translation>
    </message>
    <message id="receiveDialog.keepCr">
        <source>加入 &lt;Carriage-Return&gt; 字元</source>
        <translation>Add &lt;Carriage-Return&gt; characters</translation>
    </message>
    <message id="receiveDialog.keepLf">
        <source>加入 &lt;Line-Feed&gt; 字元</source>
        <translation>Add &lt;Line-Feed&gt; characters</translation>
    </message>
    <message id="receiveDialog.overwrite">
        <source>New/Overwrite</source>
        <translation>New/Overwrite</translation>
    </message>
    <message id="receiveDialog.receive">
        <source>接收</source>
        <translation>Receive</translation>
    </message>
    <message id="receiveDialog.savePath">
        <source>儲存路徑:</source>
        <translation>Save to:</translation>
    </message>
    <message id="receiveDialog.title">
        <source>資料接收</source>
        <translation>Data receive</translation>
    </message>
    <message id="resident.badEntry">
        <source>collection entry '%s' names no terminal file (%s); write it as DATA1.TXT or C:\Data\DATA1.TXT</source>
        <translation>collection entry '%s' names no terminal file (%s); write it as DATA1.TXT or C:\Data\DATA1.TXT</translation>
    </message>
    <message id="resident.noLink">
        <source>%s was not received: the terminal is not connected</source>
        <translation>%s was not received: the terminal is not connected</translation>
    </message>
    <message id="standby.cancel">
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message id="standby.checkOnce">
        <source>偵測一次</source>
        <translation>check once</translation>
    </message>
    <message id="standby.choose">
        <source>從終端機的 C:\Data 選擇檔案</source>
        <translation>Choose a file from the terminal's C:\Data</translation>
    </message>
    <message id="standby.every">
        <source>每隔</source>
        <translation>Every</translation>
    </message>
    <message id="standby.fileTransfer">
        <source>檔案傳輸</source>
        <translation>Transfer file</translation>
    </message>
    <message id="standby.files">
        <source>終端機檔案</source>
        <translation>Terminal files</translation>
    </message>
    <message id="standby.first">
        <source>第一次</source>
        <translation>First</translation>
    </message>
    <message id="standby.fixed">
        <source>定時</source>
        <translation>At fixed times</translation>
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
        <translation>The terminal's C:\Data holds no files</translation>
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
        <translation>Second</translation>
    </message>
    <message id="standby.storage">
        <source>存放位置</source>
        <translation>Storage location</translation>
    </message>
    <message id="standby.third">
        <source>第三次</source>
        <translation>Third</translation>
    </message>
    <message id="standby.title">
        <source>常駐設定</source>
        <translation>Resident Settings</translation>
    </message>
    <message id="status.busy">
        <source>正在與終端機通訊,請稍候</source>
        <translation>Talking to the terminal, please wait</translation>
    </message>
    <message id="status.bytes">
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message id="status.driveC">
        <source>磁碟機 C:</source>
        <translation>Drive C:</translation>
    </message>
    <message id="status.driveD">
        <source>磁碟機 D:</source>
        <translation>Drive D:</translation>
    </message>
    <message id="status.free">
        <source>剩餘空間:</source>
        <translation>Free space:</translation>
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
        <translation>Terminal Status</translation>
    </message>
    <message id="status.total">
        <source>全部空間:</source>
        <translation>Total space:</translation>
    </message>
    <message id="status.used">
        <source>使用空間:</source>
        <translation>Used space:</translation>
    </message>
    <message id="status.version">
        <source>韌體版本:</source>
        <translation>Firmware version:</translation>
    </message>
    <message id="term.refusedBecause">
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message id="term.status.Busy">
        <source>the terminal is busy</source>
        <translation>the terminal is busy</translation>
    </message>
    <message id="term.status.Done">
        <source>done</source>
        <translation>done</translation>
    </message>
    <message id="term.status.Failed">
        <source>no valid answer</source>
        <translation>no valid answer</translation>
    </message>
    <message id="term.status.FileExists">
        <source>the file exists</source>
        <translation>the file exists</translation>
    </message>
    <message id="term.status.InUse">
        <source>a file is in use on the terminal</source>
        <translation>a file is in use on the terminal</translation>
    </message>
    <message id="term.status.InUse2">
        <source>a file is in use on the terminal</source>
        <translation>a file is in use on the terminal</translation>
    </message>
    <message id="term.status.InUse3">
        <source>a file is in use on the terminal</source>
        <translation>a file is in use on the terminal</translation>
    </message>
    <message id="term.status.LastKnown">
        <source>a status of the terminal's own</source>
        <translation>a status of the terminal's own</translation>
    </message>
    <message id="term.status.LowPower">
        <source>the terminal's power is too low</source>
        <translation>the terminal's power is too low</translation>
    </message>
    <message id="term.status.NeedsDefrag">
        <source>drive D: must be defragmented</source>
        <translation>drive D: must be defragmented</translation>
    </message>
    <message id="term.status.NoSpace">
        <source>not enough space on the drive</source>
        <translation>not enough space on the drive</translation>
    </message>
    <message id="term.status.NotFormatted">
        <source>the drive is not formatted</source>
        <translation>the drive is not formatted</translation>
    </message>
    <message id="term.status.Refused">
        <source>the terminal refused the name or path</source>
        <translation>the terminal refused the name or path</translation>
    </message>
    <message id="term.status.TransferDone">
        <source>the terminal did not take it (status 2)</source>
        <translation>the terminal did not take it (status 2)</translation>
    </message>
    <message id="term.status.WantsFlashWriter">
        <source>the terminal asks for the flash writer</source>
        <translation>the terminal asks for the flash writer</translation>
    </message>
    <message id="term.status.unknown">
        <source>the terminal refused (status %d)</source>
        <translation>the terminal refused (status %d)</translation>
    </message>
    <message id="transfer.cancelled">
        <source>The transfer was cancelled: nothing of the file was kept.</source>
        <translation>The transfer was cancelled: nothing of the file was kept.</translation>
    </message>
    <message id="transfer.cancelledAt">
        <source>Cancelled at %s: it and the files after it were not copied</source>
        <translation>Cancelled at %s: it and the files after it were not copied</translation>
    </message>
    <message id="transfer.skipped">
        <source>Skipped %s: the file there was not replaced</source>
        <translation>Skipped %s: the file there was not replaced</translation>
    </message>
    <message id="tree.andMore">
        <source>……以及另外 %d 個檔案</source>
        <translation>… and %d more files</translation>
    </message>
    <message id="tree.copy">
        <source>複製</source>
        <translation>Copy</translation>
    </message>
    <message id="tree.cut">
        <source>剪下</source>
        <translation>Cut</translation>
    </message>
    <message id="tree.date">
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message id="tree.delete">
        <source>刪除</source>
        <translation>Delete</translation>
    </message>
    <message id="tree.deleteAsk">
        <source>要從終端機永久刪除下列檔案嗎?&#xd;
%s</source>
        <translation>Delete these files from the terminal for good?&#xd;
%s</translation>
    </message>
    <message id="tree.format">
        <source>格式化</source>
        <translation>Format</translation>
    </message>
    <message id="tree.kept">
        <source>%s未刪除</source>
        <translation>%s was not deleted</translation>
    </message>
    <message id="tree.name">
        <source>名稱</source>
        <translation>Name</translation>
    </message>
    <message id="tree.noTrash">
        <source>下列檔案無法移到垃圾桶:&#xd;
%s&#xd;
要永久刪除它們嗎?</source>
        <translation>These files cannot be moved to the trash:&#xd;
%s&#xd;
Delete them for good?</translation>
    </message>
    <message id="tree.paste">
        <source>貼上</source>
        <translation>Paste</translation>
    </message>
    <message id="tree.properties">
        <source>內容</source>
        <translation>Properties</translation>
    </message>
    <message id="tree.size">
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message id="tree.trashed">
        <source>已將%s移到垃圾桶</source>
        <translation>Moved %s to the trash</translation>
    </message>
</context>
</TS>
