<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_TW">
<context>
    <name>FeldSpan</name>
    <message id="100">
        <source>OLE initialization failed.  Make sure that the OLE libraries are the correct version.</source>
        <translation>OLE 初始化失败。请确认 OLE 库的版本正确。</translation>
    </message>
    <message id="57344">
        <source>FeldSpan</source>
        <translation>FeldSpan</translation>
    </message>
    <message id="61220">
        <source>資料接收失敗</source>
        <translation>数据接收失败</translation>
    </message>
    <message id="61221">
        <source>連線失敗,請確認通訊埠狀態</source>
        <translation>连接失败，请检查通信端口状态</translation>
    </message>
    <message id="61222">
        <source>檔名太長&#xd;
檔名最多8個字元,副檔名最多3個字元</source>
        <translation>文件名太长&#xd;
文件名最多 8 个字符，扩展名最多 3 个字符</translation>
    </message>
    <message id="61223">
        <source>燒錄程式不存在</source>
        <translation>烧录程序不存在</translation>
    </message>
    <message id="61224">
        <source>FeldSpan一次只能10個專案</source>
        <translation>FeldSpan 一次最多只能有 10 个项目</translation>
    </message>
    <message id="61225">
        <source>請選擇一個專案</source>
        <translation>请选择一个项目</translation>
    </message>
    <message id="61227">
        <source>專案:</source>
        <translation>项目:</translation>
    </message>
    <message id="61228">
        <source>狀態</source>
        <translation>状态</translation>
    </message>
    <message id="61229">
        <source>傳送</source>
        <translation>发送</translation>
    </message>
    <message id="61230">
        <source>接收資料</source>
        <translation>接收数据</translation>
    </message>
    <message id="61231">
        <source>設定</source>
        <translation>设置</translation>
    </message>
    <message id="61232">
        <source>加入</source>
        <translation>添加</translation>
    </message>
    <message id="61233">
        <source>移除</source>
        <translation>移除</translation>
    </message>
    <message id="61234">
        <source>關於</source>
        <translation>关于</translation>
    </message>
    <message id="61235">
        <source>複製%s完成</source>
        <translation>复制%s完成</translation>
    </message>
    <message id="61236">
        <source>複製%s失敗!!</source>
        <translation>复制%s失败!!</translation>
    </message>
    <message id="61237">
        <source>已刪除%s!!</source>
        <translation>已删除%s!!</translation>
    </message>
    <message id="61238">
        <source>%s無法刪除!!</source>
        <translation>%s无法删除!!</translation>
    </message>
    <message id="61239">
        <source>移動%s完成!!</source>
        <translation>移动%s完成!!</translation>
    </message>
    <message id="61240">
        <source>搬移%s失敗!!</source>
        <translation>移动%s失败!!</translation>
    </message>
    <message id="61241">
        <source>傳送 %s 中......</source>
        <translation>正在发送 %s ......</translation>
    </message>
    <message id="61242">
        <source>傳送結束</source>
        <translation>传送结束</translation>
    </message>
    <message id="61243">
        <source>連線失敗...</source>
        <translation>连接失败...</translation>
    </message>
    <message id="61244">
        <source>格式化完成</source>
        <translation>格式化完成</translation>
    </message>
    <message id="61245">
        <source>格式化失敗</source>
        <translation>格式化失败</translation>
    </message>
    <message id="61246">
        <source>格式化磁碟機 D 前必須先格式化磁碟機 C:</source>
        <translation>格式化驱动器 D 之前必须先格式化驱动器 C:</translation>
    </message>
    <message id="61247">
        <source>磁碟機內的檔案會全部消失!!&#xd;
你確定要格式化?</source>
        <translation>驱动器中的文件将全部丢失!!&#xd;
确定要格式化吗?</translation>
    </message>
    <message id="61248">
        <source>同名稱專案已加入</source>
        <translation>已添加同名项目</translation>
    </message>
    <message id="61250">
        <source>無專案可傳送</source>
        <translation>没有可发送的项目</translation>
    </message>
    <message id="61251">
        <source>檔案傳送失敗</source>
        <translation>文件传送失败</translation>
    </message>
    <message id="61252">
        <source>資料接收成功</source>
        <translation>数据接收成功</translation>
    </message>
    <message id="61253">
        <source>檔案下載完成</source>
        <translation>文件下载完成</translation>
    </message>
    <message id="61254">
        <source>韌體更新時會造成磁碟機 C: 和 D: 檔案流失&#xd;
你確定要更新韌體嗎?</source>
        <translation>更新固件时会使驱动器 C: 和 D: 的文件丢失&#xd;
确定要更新固件吗?</translation>
    </message>
    <message id="61255">
        <source>按&quot;確定&quot;開始更新韌體.&#xd;
請查看終端機營幕.&#xd;
關機表示更新完成.</source>
        <translation>按&quot;确定&quot;开始更新固件。&#xd;
请查看终端机屏幕。&#xd;
关机表示更新完成。</translation>
    </message>
    <message id="61256">
        <source>韌體更新完成</source>
        <translation>固件更新完成</translation>
    </message>
    <message id="61257">
        <source>韌體更新未完成</source>
        <translation>固件更新未完成</translation>
    </message>
    <message id="61258">
        <source>檔案已存在,要覆寫嗎?</source>
        <translation>文件已存在，要覆盖吗?</translation>
    </message>
    <message id="61259">
        <source>無法獲得資訊,請確認連線狀態</source>
        <translation>无法获取信息，请检查连接状态</translation>
    </message>
    <message id="61260">
        <source>磁碟機</source>
        <translation>驱动器</translation>
    </message>
    <message id="61261">
        <source>檔案資料夾</source>
        <translation>文件夹</translation>
    </message>
    <message id="61262">
        <source>檔案</source>
        <translation>文件</translation>
    </message>
    <message id="61263">
        <source>已使用空間</source>
        <translation>已用空间</translation>
    </message>
    <message id="61264">
        <source>可用空間</source>
        <translation>可用空间</translation>
    </message>
    <message id="61265">
        <source>容量</source>
        <translation>容量</translation>
    </message>
    <message id="61266">
        <source>尚未格式化</source>
        <translation>尚未格式化</translation>
    </message>
    <message id="61267">
        <source>%d/%02d/%02d,  %02d : %02d : %02d</source>
        <translation>%d/%02d/%02d,  %02d : %02d : %02d</translation>
    </message>
    <message id="61268">
        <source>磁碟機 C: 尚未格式化,請先將 C 槽格式化</source>
        <translation>驱动器 C: 尚未格式化，请先格式化 C 盘</translation>
    </message>
    <message id="61269">
        <source>磁碟機 D: 尚未格式化,請先將 D 槽格式化</source>
        <translation>驱动器 D: 尚未格式化，请先格式化 D 盘</translation>
    </message>
    <message id="61270">
        <source>磁碟機 C: 空間不足,請先刪除一些檔案</source>
        <translation>驱动器 C: 空间不足，请先删除一些文件</translation>
    </message>
    <message id="61271">
        <source>磁碟機 D: 空間不足,請先刪除一些檔案</source>
        <translation>驱动器 D: 空间不足，请先删除一些文件</translation>
    </message>
    <message id="61272">
        <source>%s已經存在,要覆寫嗎?</source>
        <translation>%s已经存在，要覆盖吗?</translation>
    </message>
    <message id="61273">
        <source>上傳....</source>
        <translation>上传....</translation>
    </message>
    <message id="61274">
        <source>下載....</source>
        <translation>下载....</translation>
    </message>
    <message id="61275">
        <source>無任何資料可供接收</source>
        <translation>没有任何可接收的数据</translation>
    </message>
    <message id="61276">
        <source>未連線</source>
        <translation>未连接</translation>
    </message>
    <message id="61277">
        <source>請先將磁碟機 C: 格式化</source>
        <translation>请先格式化驱动器 C:</translation>
    </message>
    <message id="61278">
        <source>韌體版本不支援此功能,請更新韌體</source>
        <translation>固件版本不支持此功能，请更新固件</translation>
    </message>
    <message id="61279">
        <source>格式化</source>
        <translation>格式化</translation>
    </message>
    <message id="61280">
        <source>資料重組</source>
        <translation>磁盘整理</translation>
    </message>
    <message id="61281">
        <source>磁碟機 D 需要被重整,請執行資料重組</source>
        <translation>驱动器 D 需要整理，请执行磁盘整理</translation>
    </message>
    <message id="61282">
        <source>有檔案正在使用中,請先關閉正在執行的程式</source>
        <translation>有文件正在使用中，请先关闭正在运行的程序</translation>
    </message>
    <message id="61283">
        <source>韌體版本為舊版,檔案可能無法正常使用,要繼續下載嗎???</source>
        <translation>固件为旧版本，文件可能无法正常使用，要继续下载吗???</translation>
    </message>
    <message id="61284">
        <source>此路徑不存在,請輸入正確路徑.</source>
        <translation>此路径不存在，请输入正确的路径。</translation>
    </message>
    <message id="61286">
        <source>啟動常駐</source>
        <translation>启动常驻</translation>
    </message>
    <message id="61287">
        <source>關閉常駐</source>
        <translation>关闭常驻</translation>
    </message>
    <message id="61288">
        <source>在%s時,上傳檔案%s完成</source>
        <translation>在%s时，上传文件%s完成</translation>
    </message>
    <message id="61289">
        <source>在%s時,上傳檔案%s失敗</source>
        <translation>在%s时，上传文件%s失败</translation>
    </message>
    <message id="61290">
        <source>查無裝置,請安裝USB裝置,再檢查充電座switch1是否為On以及是否接上USB連接線及電源</source>
        <translation>找不到设备，请安装 USB 设备，再检查充电座 switch1 是否为 On 以及是否接上 USB 连接线及电源</translation>
    </message>
    <message id="61291">
        <source>檔案不為充電座韌體格式</source>
        <translation>文件不是充电座固件格式</translation>
    </message>
    <message id="61292">
        <source>確定要更新充電座韌體</source>
        <translation>确定要更新充电座固件吗?</translation>
    </message>
    <message id="61293">
        <source>請先開啟檔案</source>
        <translation>请先打开文件</translation>
    </message>
    <message id="61294">
        <source>充電座韌體更新完成,請重置充電座</source>
        <translation>充电座固件更新完成，请重置充电座</translation>
    </message>
    <message id="61295">
        <source>充電座韌體更新未完成,請稍後重試</source>
        <translation>充电座固件更新未完成，请稍后重试</translation>
    </message>
    <message id="61297">
        <source>請透過USB先與充電座連結</source>
        <translation>请先通过 USB 与充电座连接</translation>
    </message>
    <message id="61298">
        <source>無法處理此目錄</source>
        <translation>无法处理此目录</translation>
    </message>
    <message id="61299">
        <source>Project:</source>
        <translation>项目:</translation>
    </message>
    <message id="61300">
        <source>Program:</source>
        <translation>程序:</translation>
    </message>
    <message id="61301">
        <source>Font:</source>
        <translation>字体:</translation>
    </message>
    <message id="61302">
        <source>Lookup File:</source>
        <translation>查找文件:</translation>
    </message>
    <message id="61303">
        <source>Data File:</source>
        <translation>数据文件:</translation>
    </message>
    <message id="61304">
        <source>電腦</source>
        <translation>电脑</translation>
    </message>
    <message id="61305">
        <source>終端機</source>
        <translation>终端机</translation>
    </message>
    <message id="about.cradle.version">
        <source>充電座韌體版本</source>
        <translation>充电座固件版本</translation>
    </message>
    <message id="about.title">
        <source>關於 FeldSpan</source>
        <translation>关于 FeldSpan</translation>
    </message>
    <message id="aboutCradle.title">
        <source>關於充電座</source>
        <translation>关于充电座</translation>
    </message>
    <message id="cli.collect.daily">
        <source>daily at </source>
        <translation>每天于 </translation>
    </message>
    <message id="cli.collect.every">
        <source>every %d s</source>
        <translation>每隔 %d 秒</translation>
    </message>
    <message id="cli.collect.noFiles">
        <source>no terminal file is switched on for collection: set FeldSpan/Standby/FileEnable1 and string1 (and the others) with `feldspan-cli config KEY VALUE`, or in the window's resident settings</source>
        <translation>没有启用要收集的终端机文件：请用 `feldspan-cli config KEY VALUE` 设置 FeldSpan/Standby/FileEnable1 和 string1（及其他），或在窗口的常驻设置中设置</translation>
    </message>
    <message id="cli.collect.noTimes">
        <source>at fixed times, none of which is switched on</source>
        <translation>定时，但没有启用任何时间</translation>
    </message>
    <message id="cli.collect.start">
        <source>collecting %d file(s) %s into %s; Ctrl-C stops</source>
        <translation>正在收集 %d 个文件，%s，存入 %s；按 Ctrl-C 停止</translation>
    </message>
    <message id="cli.collect.storage">
        <source>storage folder (FeldSpan/Standby/SavePath): </source>
        <translation>存放文件夹 (FeldSpan/Standby/SavePath)：</translation>
    </message>
    <message id="cli.defrag.done">
        <source>drive D: defragmented: %d file(s) back in place</source>
        <translation>D: 盘碎片整理完成：%d 个文件已放回原处</translation>
    </message>
    <message id="cli.defrag.finished">
        <source>the earlier defragmentation is finished: %d file(s) of drive D: are back in place</source>
        <translation>上次的碎片整理已完成：D: 盘的 %d 个文件已放回原处</translation>
    </message>
    <message id="cli.defrag.notDone">
        <source>drive D: was not defragmented</source>
        <translation>D: 盘未进行碎片整理</translation>
    </message>
    <message id="cli.defrag.notFinished">
        <source>the earlier defragmentation was not finished: the copies stay in %s (use --yes to send them back)</source>
        <translation>上次的碎片整理未完成：副本仍保留在 %s（使用 --yes 将其传回）</translation>
    </message>
    <message id="cli.defrag.unformatted">
        <source>drive D: is not formatted: there is nothing to defragment</source>
        <translation>D: 盘尚未格式化：没有可整理的内容</translation>
    </message>
    <message id="cli.failedBecause">
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message id="cli.help.about">
        <source>Links this PC with the handheld terminal and its cradle.</source>
        <translation>连接本机与手持终端机及其充电座。</translation>
    </message>
    <message id="cli.help.collect">
        <source>Runs the resident schedule of the FeldSpan/Standby settings until Ctrl-C.
  --once   one pass, exit 1 when a file failed
  --json   with --once: the pass's counts as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 collect --once</source>
        <translation>按 FeldSpan/Standby 设置执行常驻计划，直到按 Ctrl-C。
  --once   只执行一轮，有文件失败时退出码为 1
  --json   配合 --once：以 JSON 输出该轮的计数
Example:
  feldspan-cli --device /dev/ttyUSB0 collect --once</translation>
    </message>
    <message id="cli.help.command">
        <source>The command to run (below).</source>
        <translation>要执行的命令（见下方）。</translation>
    </message>
    <message id="cli.help.commands">
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
    <message id="cli.help.config">
        <source>  KEY        a key as 'config' lists it, e.g. FeldSpan/Settings/Baudrate
  VALUE      the new value; only that key's line is written
Example:
  feldspan-cli config FeldSpan/Settings/UsbIds 0403:6001</source>
        <translation>  KEY        'config' 列出的键，例如 FeldSpan/Settings/Baudrate
  VALUE      新的值；只写入该键的那一行
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
        <translation>  list               DFU 设备：产品名称、厂商、产品与版本 ID
  check FILE.dfu     检查固件文件，并显示各种充电座会写入的内容
  image FILE.dfu OUT 写出文件描述的 64 KiB 内存映像
  update FILE.dfu    更新充电座固件（--index N：'list' 所列的设备编号）
  version            充电座的固件版本（配合 --usb）
  --sim DESCRIPTION  以模拟的充电座响应相同的调用（1：默认的那一个）
  --json             list 与 check 以 JSON 输出
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
        <translation>将 D:\Fonts、D:\Lookup 和 D:\Program 的每个文件复制到项目文件夹，检查副本，
格式化 D: 后再传回。只有每个副本都完整时才会格式化 D:；中断过的整理会从副本完成，
不会再次格式化。
  --yes    以“是”回答问题（全局选项）
只有每个文件都放回时退出码才是 0。
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
        <translation>检查串口访问权、udev 规则、ModemManager、占用端口的程序、
USB 转串口的延迟计时器、更新充电座所需的 USB 访问权与中文字体。
一切正常时退出码为 0，有需要修正之处时为 1。
  --json   以 JSON 输出各项检查
Example:
  feldspan-cli doctor</translation>
    </message>
    <message id="cli.help.dump">
        <source>  C|D   the drive
  OUT   a file, or a folder for the image's own name (default: the project folder)
Example:
  feldspan-cli dump C ~/images/</source>
        <translation>  C|D   磁盘
  OUT   文件，或放入映像本身名称的文件夹（默认：项目文件夹）
Example:
  feldspan-cli dump C ~/images/</translation>
    </message>
    <message id="cli.help.firmware">
        <source>  KERNEL.bin   the kernel image; drives C: and D: are erased first (asks)
Example:
  feldspan-cli --device /dev/ttyUSB0 firmware KERNEL.bin</source>
        <translation>  KERNEL.bin   内核映像；会先清除磁盘 C: 与 D:（会先询问）
Example:
  feldspan-cli --device /dev/ttyUSB0 firmware KERNEL.bin</translation>
    </message>
    <message id="cli.help.font">
        <source>  FILE.sft   a language-support font (&quot;@oemb-*.sft&quot;, an 8.3 name), sent into D:\Fonts
Exit 0 only when the terminal stored it.
Example:
  feldspan-cli --device /dev/ttyUSB0 font @oemb-tc.sft</source>
        <translation>  FILE.sft   语系支持字体（&quot;@oemb-*.sft&quot;，8.3 格式的文件名），传入 D:\Fonts
只有终端机存储成功时退出码才是 0。
Example:
  feldspan-cli --device /dev/ttyUSB0 font @oemb-tc.sft</translation>
    </message>
    <message id="cli.help.footer">
        <source>Run 'feldspan-cli COMMAND --help' for a command's arguments and an example.
Exit codes: 0 success, 1 failure (the reason is on stderr), 2 usage error.</source>
        <translation>执行 'feldspan-cli COMMAND --help' 查看命令的参数与示例。
退出码：0 成功，1 失败（原因在 stderr），2 用法错误。</translation>
    </message>
    <message id="cli.help.format">
        <source>  C:|D:   the drive to format (asks first; --yes answers)
Example:
  feldspan-cli format C:</source>
        <translation>  C:|D:   要格式化的磁盘（会先询问；--yes 代为回答）
Example:
  feldspan-cli format C:</translation>
    </message>
    <message id="cli.help.get">
        <source>  TERMINAL_PATH   e.g. C:\Data\DATA1.TXT ('/' may stand for '\')
  LOCAL_PATH      a file, or a folder for the terminal file's name
Example:
  feldspan-cli get C:/Data/DATA1.TXT data1.txt</source>
        <translation>  TERMINAL_PATH   例如 C:\Data\DATA1.TXT（'/' 可代替 '\'）
  LOCAL_PATH      文件，或以终端机文件名存入的文件夹
Example:
  feldspan-cli get C:/Data/DATA1.TXT data1.txt</translation>
    </message>
    <message id="cli.help.info">
        <source>  --json   the result as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 info --json</source>
        <translation>  --json   以 JSON 输出结果
Example:
  feldspan-cli --device /dev/ttyUSB0 info --json</translation>
    </message>
    <message id="cli.help.ls">
        <source>  FOLDER   a terminal folder, e.g. C:\Data
  --json   the entries as JSON
Example:
  feldspan-cli ls C:/Data</source>
        <translation>  FOLDER   终端机的文件夹，例如 C:\Data
  --json   以 JSON 输出条目
Example:
  feldspan-cli ls C:/Data</translation>
    </message>
    <message id="cli.help.ping">
        <source>Opens the port and checks that the terminal answers.
  --json   the result as JSON
Example:
  feldspan-cli --device /dev/ttyUSB0 ping</source>
        <translation>打开端口并检查终端机是否响应。
  --json   以 JSON 输出结果
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
        <translation>列出串口及其 USB ID、说明与序列号；UsbIds 设置所指的
终端机会加上标记。
  --usb    只列 USB 串口，并标出 --usb 会连接的那一个
  --json   以 JSON 输出端口
Example:
  feldspan-cli ports --json</translation>
    </message>
    <message id="cli.help.put">
        <source>  LOCAL_FILE        an ordinary file with an 8.3 name
  TERMINAL_FOLDER   e.g. C:\Data
Example:
  feldspan-cli put stock.dat C:/Data</source>
        <translation>  LOCAL_FILE        普通文件，8.3 文件名
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
        <translation>  NAME...   C:\Data 中的数据文件
  --to DIR  存入的文件夹（默认：设置中的接收文件夹）
  --json    以 JSON 输出接收的文件
Example:
  feldspan-cli receive DATA1.TXT --to ~/scans --drop-cr</translation>
    </message>
    <message id="cli.help.rm">
        <source>  TERMINAL_PATH...   files (or empty folders) on the terminal
Example:
  feldspan-cli rm C:/Data/DATA1.TXT</source>
        <translation>  TERMINAL_PATH...   终端机上的文件（或空文件夹）
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
        <translation>  PROJECT.ini...     项目文件(不指定时:Builder.ini 交来的那个)
  --skip-unchanged   跳过终端机上名称、大小、日期和时间都相同的文件
                     (先列出它的文件夹)
  --json             以 JSON 输出发送的文件
发送后会再次列出终端机的文件夹:不在那里或大小与发送时不同的文件使发送失败。
Example:
  feldspan-cli send --skip-unchanged samples/FeldBuilder/Project/SAMPLE/SAMPLE.ini</translation>
    </message>
    <message id="cli.json.failed">
        <source>%s failed</source>
        <translation>%s 失败</translation>
    </message>
    <message id="cli.json.usage">
        <source>wrong arguments; usage: feldspan-cli %s</source>
        <translation>参数错误；用法：feldspan-cli %s</translation>
    </message>
    <message id="cli.noDiskInfoWhy">
        <source>the terminal did not report its disk information</source>
        <translation>终端机没有回报磁盘信息</translation>
    </message>
    <message id="cli.noFontHandOver">
        <source>this front end cannot hand the font file to the download</source>
        <translation>此前端无法把字体文件交给下载</translation>
    </message>
    <message id="cli.noKernelHandOver">
        <source>this front end cannot hand the kernel file to the update</source>
        <translation>这个界面无法将内核文件交给更新程序</translation>
    </message>
    <message id="cli.noSuchEntry">
        <source>%s: no such file or folder on the terminal</source>
        <translation>%s: 终端机上没有这个文件或文件夹</translation>
    </message>
    <message id="cli.noSuchFileOrFull">
        <source>%s: no such file on the terminal (or a folder that is not empty)</source>
        <translation>%s: 终端机上没有这个文件 (或者文件夹不是空的)</translation>
    </message>
    <message id="cli.notFetched">
        <source>%s was not fetched</source>
        <translation>%s 没有取回</translation>
    </message>
    <message id="cli.notFetchedExists">
        <source>not fetched: %s exists (use --yes to replace it)</source>
        <translation>没有取回: %s 已存在 (要替换请用 --yes)</translation>
    </message>
    <message id="cli.notFormatted">
        <source>%s: the drive is not formatted</source>
        <translation>%s: 驱动器尚未格式化</translation>
    </message>
    <message id="cli.notFormattedDrive">
        <source>drive %s was not formatted</source>
        <translation>驱动器 %s 没有格式化</translation>
    </message>
    <message id="cli.notListed">
        <source>could not list %s on the terminal</source>
        <translation>无法列出终端机上的 %s</translation>
    </message>
    <message id="cli.notRemoved">
        <source>could not remove %s</source>
        <translation>无法删除 %s</translation>
    </message>
    <message id="cli.notSent">
        <source>%s was not sent</source>
        <translation>%s 没有发送</translation>
    </message>
    <message id="cli.notSentExists">
        <source>not sent: %s exists on the terminal (use --yes to overwrite)</source>
        <translation>没有发送: 终端机上已有 %s (要覆盖请用 --yes)</translation>
    </message>
    <message id="cli.notTerminalPath">
        <source>'%s' is not a path on the terminal (%s); write it as C:\Data\NAME.TXT</source>
        <translation>'%s' 不是终端机上的路径 (%s); 请写成 C:\Data\NAME.TXT</translation>
    </message>
    <message id="cli.opt.baud">
        <source>Line speed in bit/s, for this run: one of %s.</source>
        <translation>本次运行的传输速率（bit/s）：%s 之一。</translation>
    </message>
    <message id="cli.opt.device">
        <source>The terminal's serial device, for this run (e.g. /dev/ttyUSB0).</source>
        <translation>本次运行使用的终端机串口设备（例如 /dev/ttyUSB0）。</translation>
    </message>
    <message id="cli.opt.help">
        <source>Show this help, or a command's.</source>
        <translation>显示此帮助，或命令的帮助。</translation>
    </message>
    <message id="cli.opt.settings">
        <source>Use this INI file instead of the user's settings.</source>
        <translation>使用此 INI 文件取代用户的设置。</translation>
    </message>
    <message id="cli.opt.usb">
        <source>Connect over USB, for this run.</source>
        <translation>本次运行经由 USB 连接。</translation>
    </message>
    <message id="cli.opt.verbose">
        <source>Show status, port and debug lines (QT_LOGGING_RULES picks single ones).</source>
        <translation>显示状态、端口与调试信息（QT_LOGGING_RULES 可单独选择）。</translation>
    </message>
    <message id="cli.opt.version">
        <source>Show the version.</source>
        <translation>显示版本。</translation>
    </message>
    <message id="cli.opt.yes">
        <source>Answer Yes/OK to every question.</source>
        <translation>对每个问题都回答 是/确定。</translation>
    </message>
    <message id="cli.ports.serial">
        <source>serial %s</source>
        <translation>序列号 %s</translation>
    </message>
    <message id="cli.ports.terminal">
        <source>[terminal]</source>
        <translation>[终端机]</translation>
    </message>
    <message id="cli.refusedName">
        <source>%s: the terminal refused the name or path</source>
        <translation>%s: 终端机拒绝了这个名称或路径</translation>
    </message>
    <message id="cli.replaceLocal">
        <source>%s exists on this PC. Replace it?</source>
        <translation>这台电脑上已有 %s。要替换吗?</translation>
    </message>
    <message id="cli.send.keptWhy">
        <source>the file exists on the terminal and was not overwritten</source>
        <translation>终端上已有该文件，未覆盖</translation>
    </message>
    <message id="cli.send.missing">
        <source>the project Builder.ini hands over is not there: </source>
        <translation>Builder.ini 指定的项目不存在: </translation>
    </message>
    <message id="cli.send.none">
        <source>no project given, and the project folder's Builder.ini hands none over</source>
        <translation>未指定项目,项目文件夹的 Builder.ini 也没有指定</translation>
    </message>
    <message id="cli.unknownKey">
        <source>unknown key '%s' (run 'feldspan-cli config' to list the keys)</source>
        <translation>未知的设置 '%s' (运行 'feldspan-cli config' 可列出所有设置)</translation>
    </message>
    <message id="cli.unsafeName">
        <source>the terminal name '%s' cannot be used as a file name here; give a local file name</source>
        <translation>终端机上的名称 '%s' 在这里不能用作文件名; 请指定本地文件名</translation>
    </message>
    <message id="cli.usageHint">
        <source>usage: feldspan-cli [OPTIONS] COMMAND [ARGS...] ('feldspan-cli --help' lists the options and commands)</source>
        <translation>用法：feldspan-cli [OPTIONS] COMMAND [ARGS...]（'feldspan-cli --help' 列出选项与命令）</translation>
    </message>
    <message id="close.busy">
        <source>正在與終端機傳輸資料。要取消傳輸並結束程式嗎?</source>
        <translation>正在与终端机传输数据。要取消传输并退出程序吗?</translation>
    </message>
    <message id="cmd.about">
        <source>關於Feldspan...</source>
        <translation>关于 FeldSpan...</translation>
    </message>
    <message id="cmd.aboutCradle">
        <source>關於充電座...</source>
        <translation>关于充电座...</translation>
    </message>
    <message id="cmd.addCr">
        <source>加入 &lt;Carriage-Return&gt; 字元</source>
        <translation>加入 &lt;Carriage-Return&gt; 字符</translation>
    </message>
    <message id="cmd.addLf">
        <source>加入 &lt;Line-Feed&gt; 字元</source>
        <translation>加入 &lt;Line-Feed&gt; 字符</translation>
    </message>
    <message id="cmd.addProject">
        <source>加入</source>
        <translation>加入</translation>
    </message>
    <message id="cmd.advancedMode">
        <source>進階模式</source>
        <translation>高级模式</translation>
    </message>
    <message id="cmd.cradleUpdate">
        <source>更新充電座韌體</source>
        <translation>更新充电座固件</translation>
    </message>
    <message id="cmd.defragment">
        <source>磁碟 D: 重組</source>
        <translation>磁盘 D: 整理</translation>
    </message>
    <message id="cmd.deleteAfter">
        <source>刪除檔案</source>
        <translation>删除文件</translation>
    </message>
    <message id="cmd.exit">
        <source>離開</source>
        <translation>退出</translation>
    </message>
    <message id="cmd.firmware">
        <source>F/W 更新</source>
        <translation>F/W 更新</translation>
    </message>
    <message id="cmd.firmwareButton">
        <source>更新新版韌體</source>
        <translation>更新新版固件</translation>
    </message>
    <message id="cmd.formatC">
        <source>格式化 C:</source>
        <translation>格式化 C:</translation>
    </message>
    <message id="cmd.formatD">
        <source>格式化 D:</source>
        <translation>格式化 D:</translation>
    </message>
    <message id="cmd.help">
        <source>說明</source>
        <translation>帮助</translation>
    </message>
    <message id="cmd.languageDownload">
        <source>語系支援下載</source>
        <translation>语言支持下载</translation>
    </message>
    <message id="cmd.languageSystem">
        <source>依系統設定</source>
        <translation>跟随系统设置</translation>
    </message>
    <message id="cmd.later">
        <source>這個指令尚未提供</source>
        <translation>这个命令尚未提供</translation>
    </message>
    <message id="cmd.newProject">
        <source>新增一個專案</source>
        <translation>新增一个项目</translation>
    </message>
    <message id="cmd.portSerial">
        <source>序列埠</source>
        <translation>串口</translation>
    </message>
    <message id="cmd.portSettings">
        <source>連接埠設定</source>
        <translation>端口设置</translation>
    </message>
    <message id="cmd.portUsb">
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message id="cmd.projectMode">
        <source>專案模式</source>
        <translation>项目模式</translation>
    </message>
    <message id="cmd.receive">
        <source>接收</source>
        <translation>接收</translation>
    </message>
    <message id="cmd.residentSettings">
        <source>設定</source>
        <translation>设置</translation>
    </message>
    <message id="config.badStored">
        <source>bad value %s for %s in %s (it takes %s); using the default %s</source>
        <translation>不正确的值 %s: %s (于 %s, 可用的值为 %s); 改用默认值 %s</translation>
    </message>
    <message id="config.badValue">
        <source>%s takes %s, not &quot;%s&quot;</source>
        <translation>%s 的值必须是%s, 不能是 &quot;%s&quot;</translation>
    </message>
    <message id="config.cannotWrite">
        <source>cannot write the settings to %s: %s</source>
        <translation>无法将设置写入 %s: %s</translation>
    </message>
    <message id="config.empty">
        <source>%s cannot be empty</source>
        <translation>%s 不能为空</translation>
    </message>
    <message id="config.ini.line">
        <source>line %s: &quot;%s&quot; is neither a KEY=VALUE line, a [section] nor a comment</source>
        <translation>第 %s 行: &quot;%s&quot; 既不是 KEY=VALUE 行、[节] 也不是注释</translation>
    </message>
    <message id="config.ini.open">
        <source>line %s: &quot;%s&quot; runs to the end of the file (a quote not closed, or a backslash at the end of the last line)</source>
        <translation>第 %s 行: &quot;%s&quot; 一直延续到文件结尾 (引号没有结束, 或最后一行结尾有反斜杠)</translation>
    </message>
    <message id="config.ini.readBack">
        <source>the changed settings would not read back (%s)</source>
        <translation>更改后的设置无法正确读回 (%s)</translation>
    </message>
    <message id="config.ini.section">
        <source>line %s: the section header &quot;%s&quot; has no closing &quot;]&quot;</source>
        <translation>第 %s 行: 节标题 &quot;%s&quot; 没有结束的 &quot;]&quot;</translation>
    </message>
    <message id="config.none">
        <source>(none)</source>
        <translation>(无)</translation>
    </message>
    <message id="config.notSettings">
        <source>not changing the settings: %s is not a valid settings file (%s)</source>
        <translation>设置没有更改: %s 不是有效的设置文件 (%s)</translation>
    </message>
    <message id="config.programsOwn">
        <source>%s is written by the program itself</source>
        <translation>%s 由程序自行写入</translation>
    </message>
    <message id="config.projectNotWritable">
        <source>The project folder %s cannot be written to (%s): files from the terminal cannot be kept there. Make it writable, or choose another project folder.</source>
        <translation>无法写入项目文件夹 %s（%s）：来自终端机的文件无法保存在那里。请让它可写，或选择另一个项目文件夹。</translation>
    </message>
    <message id="config.store.access">
        <source>the file cannot be written (check its permissions and the free space)</source>
        <translation>无法写入文件 (请检查权限和剩余空间)</translation>
    </message>
    <message id="config.store.create">
        <source>cannot create a file in %s</source>
        <translation>无法在 %s 中创建文件</translation>
    </message>
    <message id="config.store.folder">
        <source>cannot create the folder %s</source>
        <translation>无法创建文件夹 %s</translation>
    </message>
    <message id="config.store.format">
        <source>the file is not a valid settings file</source>
        <translation>这个文件不是有效的设置文件</translation>
    </message>
    <message id="config.store.lockFile">
        <source>cannot create the lock file %s.lock</source>
        <translation>无法创建锁文件 %s.lock</translation>
    </message>
    <message id="config.store.locked">
        <source>another program keeps the settings locked (%s.lock)</source>
        <translation>另一个程序锁定了设置 (%s.lock)</translation>
    </message>
    <message id="config.store.notAsIntended">
        <source>the changed settings did not read back as intended; %s was left as it was</source>
        <translation>更改后的设置读回的内容与预期不同; %s 保持原状</translation>
    </message>
    <message id="config.store.notFile">
        <source>%s is not a regular file</source>
        <translation>%s 不是普通文件</translation>
    </message>
    <message id="config.store.read">
        <source>cannot read %s</source>
        <translation>无法读取 %s</translation>
    </message>
    <message id="config.store.readBack">
        <source>cannot read back %s</source>
        <translation>无法读回 %s</translation>
    </message>
    <message id="config.store.resolve">
        <source>%s cannot be resolved</source>
        <translation>无法解析 %s</translation>
    </message>
    <message id="config.store.unknown">
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message id="config.store.write">
        <source>cannot write %s</source>
        <translation>无法写入 %s</translation>
    </message>
    <message id="config.takes.flag">
        <source>0 or 1</source>
        <translation>0 或 1</translation>
    </message>
    <message id="config.takes.number">
        <source>a whole number</source>
        <translation>整数</translation>
    </message>
    <message id="config.takes.oneOf">
        <source>one of %s</source>
        <translation>下列之一: %s</translation>
    </message>
    <message id="config.takes.range">
        <source>a whole number from %d to %d</source>
        <translation>%d 到 %d 的整数</translation>
    </message>
    <message id="config.takes.text">
        <source>a text</source>
        <translation>文本</translation>
    </message>
    <message id="config.takes.time">
        <source>a time in seconds since 1970 (a 32-bit number)</source>
        <translation>自 1970 年起的秒数 (32 位数字)</translation>
    </message>
    <message id="config.takes.usbIds">
        <source>a list of VENDOR:PRODUCT hex ids separated by commas</source>
        <translation>以逗号分隔的 VENDOR:PRODUCT 十六进制 ID 列表</translation>
    </message>
    <message id="config.unknownKey">
        <source>unknown key: %s</source>
        <translation>未知的设置: %s</translation>
    </message>
    <message id="cradle.browse">
        <source>瀏覽</source>
        <translation>浏览</translation>
    </message>
    <message id="cradle.byteOutside">
        <source>the byte at %s lies outside the area the update writes (%s) and is not written</source>
        <translation>位于 %s 的字节在更新写入的范围 (%s) 之外, 不会被写入</translation>
    </message>
    <message id="cradle.bytesOutside">
        <source>bytes at %s lie outside the area the update writes (%s) and are not written</source>
        <translation>位于 %s 的字节在更新写入的范围 (%s) 之外, 不会被写入</translation>
    </message>
    <message id="cradle.cancel">
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message id="cradle.cannotWriteImageWhy">
        <source>cannot write the image to %s (%s)</source>
        <translation>无法将映像写入 %s（%s）</translation>
    </message>
    <message id="cradle.device">
        <source>DFU 裝置:</source>
        <translation>DFU 设备:</translation>
    </message>
    <message id="cradle.dfuStatusWords">
        <source>the cradle reported DFU status %u</source>
        <translation>充电座报告 DFU 状态 %u</translation>
    </message>
    <message id="cradle.failedAtEnd">
        <source>the cradle update failed at its end: every block was written, but the cradle did not take the new firmware, %s. The cradle may not start until an update completes: run the update again</source>
        <translation>充电座更新在最后一步失败: 所有数据块都已写入, 但充电座没有接受新固件, %s。在更新完成之前充电座可能无法启动: 请重新执行更新</translation>
    </message>
    <message id="cradle.failedInPhase">
        <source>the cradle update failed in phase %d, %s</source>
        <translation>充电座更新在第 %d 阶段失败, %s</translation>
    </message>
    <message id="cradle.file.at">
        <source>byte %u (line %u)</source>
        <translation>第 %u 字节 (第 %u 行)</translation>
    </message>
    <message id="cradle.file.cannotOpen">
        <source>cannot open %s: %s</source>
        <translation>无法打开 %s: %s</translation>
    </message>
    <message id="cradle.file.cannotRead">
        <source>cannot read %s</source>
        <translation>无法读取 %s</translation>
    </message>
    <message id="cradle.file.checksum">
        <source>checksum %s does not match the record's bytes, which give %s: the record is damaged</source>
        <translation>校验和 %s 与记录的字节不符 (按字节应为 %s): 记录已损坏</translation>
    </message>
    <message id="cradle.file.countHigh">
        <source>S1 byte count %u is above 35</source>
        <translation>S1 字节数 %u 超过 35</translation>
    </message>
    <message id="cradle.file.countLow">
        <source>S1 byte count %u leaves no room for the address and checksum</source>
        <translation>S1 字节数 %u 放不下地址和校验和</translation>
    </message>
    <message id="cradle.file.countZero">
        <source>byte count 0 leaves no room for the checksum</source>
        <translation>字节数 0 没有留下校验和的位置</translation>
    </message>
    <message id="cradle.file.crc">
        <source>CRC mismatch: the suffix holds %s, the file's bytes give %s</source>
        <translation>CRC 不符: 后缀中是 %s, 文件的字节算出 %s</translation>
    </message>
    <message id="cradle.file.end">
        <source>the end of the records</source>
        <translation>记录的结尾</translation>
    </message>
    <message id="cradle.file.lowAddress">
        <source>address %s is below 0x1000</source>
        <translation>地址 %s 低于 0x1000</translation>
    </message>
    <message id="cradle.file.noCount">
        <source>truncated before its byte count</source>
        <translation>在字节数之前就截断了</translation>
    </message>
    <message id="cradle.file.noS">
        <source>does not begin with 'S'</source>
        <translation>不是以 'S' 开头</translation>
    </message>
    <message id="cradle.file.noSuffix">
        <source>no DFU suffix at the end of the file (its last 16 bytes do not end in the &quot;UFD&quot; signature)</source>
        <translation>文件末尾没有 DFU 后缀（最后 16 个字节不以 &quot;UFD&quot; 签名结尾）</translation>
    </message>
    <message id="cradle.file.notHex">
        <source>character %s is not an upper-case hex digit</source>
        <translation>字符 %s 不是大写的十六进制数字</translation>
    </message>
    <message id="cradle.file.notHexAtAll">
        <source>character %s is not a hex digit</source>
        <translation>字符 %s 不是十六进制数字</translation>
    </message>
    <message id="cradle.file.pastEnd">
        <source>data at %s runs past 0xFFFF (%u bytes)</source>
        <translation>位于 %s 的数据超出 0xFFFF (%u 字节)</translation>
    </message>
    <message id="cradle.file.record">
        <source>record at %s: %s</source>
        <translation>位于 %s 的记录: %s</translation>
    </message>
    <message id="cradle.file.release">
        <source>the suffix names DFU release %s, not 0x0100</source>
        <translation>后缀标示的 DFU 版本是 %s, 不是 0x0100</translation>
    </message>
    <message id="cradle.file.short">
        <source>the file is %u bytes long, shorter than the 16-byte DFU suffix</source>
        <translation>文件长 %u 字节, 比 16 字节的 DFU 后缀还短</translation>
    </message>
    <message id="cradle.file.suffixLength">
        <source>the suffix length is %u, not 16</source>
        <translation>后缀长度是 %u, 不是 16</translation>
    </message>
    <message id="cradle.file.tooLarge">
        <source>%s is larger than %u MiB; a cradle firmware file is far smaller</source>
        <translation>%s 大于 %u MiB; 充电座固件文件小得多</translation>
    </message>
    <message id="cradle.file.truncated">
        <source>truncated: %u bytes announced, %u present (or an odd number of digits)</source>
        <translation>被截断: 声明 %u 字节, 只有 %u 字节 (或数字个数为奇数)</translation>
    </message>
    <message id="cradle.file.type">
        <source>unknown record type S%c</source>
        <translation>未知的记录类型 S%c</translation>
    </message>
    <message id="cradle.file.wideAddress">
        <source>S%c records carry addresses beyond the 64 KiB image</source>
        <translation>S%c 记录带有超出 64 KiB 映像的地址</translation>
    </message>
    <message id="cradle.fileName">
        <source>檔案名稱:</source>
        <translation>文件名称:</translation>
    </message>
    <message id="cradle.fileProblem">
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message id="cradle.imageExists">
        <source>not written: %s exists (use --yes to replace it)</source>
        <translation>未写入：%s 已存在（使用 --yes 替换它）</translation>
    </message>
    <message id="cradle.noDevice">
        <source>there is no DFU device %d ('cradle list' shows the devices)</source>
        <translation>没有编号 %d 的 DFU 设备 ('cradle list' 会列出设备)</translation>
    </message>
    <message id="cradle.noVersionCommand">
        <source>cradle version: not available in this build</source>
        <translation>cradle version: 这个版本没有提供</translation>
    </message>
    <message id="cradle.phase.finish">
        <source>Finishing</source>
        <translation>完成中</translation>
    </message>
    <message id="cradle.phase.prepare">
        <source>Preparing the cradle</source>
        <translation>准备充电座</translation>
    </message>
    <message id="cradle.phase.start">
        <source>Starting the firmware write</source>
        <translation>开始写入固件</translation>
    </message>
    <message id="cradle.phase.write">
        <source>Writing the firmware</source>
        <translation>写入固件</translation>
    </message>
    <message id="cradle.progressTitle">
        <source>Cradle firmware update</source>
        <translation>更新充电座固件</translation>
    </message>
    <message id="cradle.ranges.and">
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message id="cradle.ranges.more">
        <source> and %u more ranges</source>
        <translation> 及另外 %u 个范围</translation>
    </message>
    <message id="cradle.start">
        <source>開始更新</source>
        <translation>开始更新</translation>
    </message>
    <message id="cradle.title">
        <source>充電座韌體更新</source>
        <translation>充电座固件更新</translation>
    </message>
    <message id="cradle.usb.access">
        <source>%s - the system denies this user access to the cradle; install a udev rule such as SUBSYSTEM==&quot;usb&quot;, ATTR{bInterfaceClass}==&quot;fe&quot;, TAG+=&quot;uaccess&quot; in /etc/udev/rules.d/70-feldspan-cradle.rules (or add your user to the group that owns the device), then reconnect the cradle</source>
        <translation>%s - 系统不允许这个用户访问充电座; 请安装 udev 规则, 例如在 /etc/udev/rules.d/70-feldspan-cradle.rules 中写入 SUBSYSTEM==&quot;usb&quot;, ATTR{bInterfaceClass}==&quot;fe&quot;, TAG+=&quot;uaccess&quot; (或将用户加入拥有该设备的组), 然后重新连接充电座</translation>
    </message>
    <message id="cradle.usb.busy">
        <source>%s - another program uses the cradle's DFU interface</source>
        <translation>%s - 另一个程序正在使用充电座的 DFU 接口</translation>
    </message>
    <message id="cradle.usb.gone">
        <source>%s - the cradle was disconnected; reconnect it and list the devices again</source>
        <translation>%s - 充电座已断开连接; 请重新连接并再次列出设备</translation>
    </message>
    <message id="cradle.usb.noDevice">
        <source>no DFU device %u in the last listing</source>
        <translation>上次列出的设备中没有 DFU 设备 %u</translation>
    </message>
    <message id="cradle.usb.noReturn">
        <source>DFU_DETACH: the cradle did not come back in DFU mode within %d ms</source>
        <translation>DFU_DETACH: 充电座在 %d 毫秒内没有回到 DFU 模式</translation>
    </message>
    <message id="cradle.usb.stall">
        <source>%s (the device stalled the request)</source>
        <translation>%s (设备拒绝了这个请求)</translation>
    </message>
    <message id="cradle.useOtherFile">
        <source>%s: %s. Use a firmware file made for this cradle ('feldspan-cli cradle check %s' shows where a file's bytes lie)</source>
        <translation>%s: %s。请使用这个充电座专用的固件文件 ('feldspan-cli cradle check %s' 会显示文件的字节位置)</translation>
    </message>
    <message id="cradle.writesNothing">
        <source>%s: no byte lies in 0x8000-0xEFFF, where every update writes: an update would erase the cradle's firmware and write nothing, so it refuses this file. Use a firmware file made for the cradle</source>
        <translation>%s: 0x8000-0xEFFF 之间没有任何字节, 而每次更新都写入这个范围: 更新会清除充电座的固件却什么都不写入, 因此拒绝这个文件。请使用充电座专用的固件文件</translation>
    </message>
    <message id="defrag.badEntry">
        <source>%s 無法複製到本機(名稱或種類不符),磁碟機 D: 沒有被變更。</source>
        <translation>%s 无法复制到本机（名称或类型不符），D: 盘未被更改。</translation>
    </message>
    <message id="defrag.badManifest">
        <source>無法讀取資料重組清單 %s(%s)。複本仍保留在 %s,沒有任何檔案被變更。</source>
        <translation>无法读取碎片整理清单 %s（%s）。副本仍保留在 %s，没有任何文件被更改。</translation>
    </message>
    <message id="defrag.cannotWrite">
        <source>無法寫入 %s(%s),磁碟機 D: 沒有被格式化。</source>
        <translation>无法写入 %s（%s），D: 盘未被格式化。</translation>
    </message>
    <message id="defrag.copyFailed">
        <source>%s 無法完整複製到本機(%s),磁碟機 D: 沒有被格式化。</source>
        <translation>%s 无法完整复制到本机（%s），D: 盘未被格式化。</translation>
    </message>
    <message id="defrag.folderEntry">
        <source>%s 內有資料夾 %s。資料重組只複製檔案,請先移走或刪除這個資料夾。磁碟機 D: 沒有被變更。</source>
        <translation>%s 中有文件夹 %s。碎片整理只复制文件，请先移走或删除该文件夹。D: 盘未被更改。</translation>
    </message>
    <message id="defrag.keptCopies">
        <source>%d 個檔案沒有傳回磁碟機 D:。它們的複本保留在 %s(清單 %s);再執行一次資料重組即可把它們傳回,D: 不會再被格式化。</source>
        <translation>%d 个文件没有传回 D: 盘。它们的副本保留在 %s（清单 %s）；再执行一次碎片整理即可将其传回，D: 盘不会再次格式化。</translation>
    </message>
    <message id="defrag.noDiskInfo">
        <source>終端機沒有回報磁碟資訊,磁碟機 D: 沒有被變更。</source>
        <translation>终端机没有报告磁盘信息，D: 盘未被更改。</translation>
    </message>
    <message id="defrag.noDiskInfoResume">
        <source>終端機沒有回報磁碟資訊,複本仍保留在原處。</source>
        <translation>终端机没有报告磁盘信息，副本仍保留在原处。</translation>
    </message>
    <message id="defrag.noFolder">
        <source>無法建立資料夾 %s(%s),磁碟機 D: 沒有被變更。</source>
        <translation>无法创建文件夹 %s（%s），D: 盘未被更改。</translation>
    </message>
    <message id="defrag.noRoom">
        <source>本機空間不足:%s 需要 %s 位元組存放複本,只剩 %s 位元組。磁碟機 D: 沒有被變更。</source>
        <translation>本机空间不足：%s 需要 %s 字节存放副本，只剩 %s 字节。D: 盘未被更改。</translation>
    </message>
    <message id="defrag.noSpaceInfo">
        <source>無法得知 %s 的可用空間(%s),磁碟機 D: 沒有被變更。</source>
        <translation>无法得知 %s 的可用空间（%s），D: 盘未被更改。</translation>
    </message>
    <message id="defrag.notBack">
        <source>%s 沒有傳回磁碟機 D:(%s),複本保留在 %s</source>
        <translation>%s 没有传回 D: 盘（%s），副本保留在 %s</translation>
    </message>
    <message id="defrag.notListed">
        <source>無法列出 %s(%s),磁碟機 D: 沒有被變更。</source>
        <translation>无法列出 %s（%s），D: 盘未被更改。</translation>
    </message>
    <message id="defrag.notSent">
        <source>終端機沒有送出這個檔案</source>
        <translation>终端机没有送出这个文件</translation>
    </message>
    <message id="defrag.resume">
        <source>上次的資料重組沒有完成:%d 個檔案的複本仍保留在 %s。要把它們傳回磁碟機 D: 嗎?(D: 不會再被格式化)</source>
        <translation>上次的碎片整理没有完成：%d 个文件的副本仍保留在 %s。要将其传回 D: 盘吗？（D: 盘不会再次格式化）</translation>
    </message>
    <message id="defrag.sizeMismatch">
        <source>讀回 %s 位元組,終端機列出 %s 位元組</source>
        <translation>读回 %s 字节，终端机列出 %s 字节</translation>
    </message>
    <message id="dfu.AccessDenied">
        <source>access to the device was denied</source>
        <translation>访问设备被拒绝</translation>
    </message>
    <message id="dfu.BadParameter">
        <source>a parameter is missing or out of range</source>
        <translation>参数缺失或超出范围</translation>
    </message>
    <message id="dfu.ClaimFailed">
        <source>the DFU interface could not be claimed</source>
        <translation>无法占用 DFU 接口</translation>
    </message>
    <message id="dfu.DescriptorError">
        <source>the device descriptor could not be read</source>
        <translation>无法读取设备描述符</translation>
    </message>
    <message id="dfu.DeviceGone">
        <source>the device is no longer attached</source>
        <translation>设备已不在</translation>
    </message>
    <message id="dfu.InitFailed">
        <source>the USB library could not be initialised</source>
        <translation>无法初始化 USB 库</translation>
    </message>
    <message id="dfu.NoDfuDescriptor">
        <source>the device has no DFU functional descriptor</source>
        <translation>设备没有 DFU 功能描述符</translation>
    </message>
    <message id="dfu.NoReturn">
        <source>the device did not come back in DFU mode after the detach</source>
        <translation>设备在分离后没有回到 DFU 模式</translation>
    </message>
    <message id="dfu.NoSuchDevice">
        <source>no DFU device at this index (list the devices again)</source>
        <translation>这个编号没有 DFU 设备 (请重新列出设备)</translation>
    </message>
    <message id="dfu.NoThread">
        <source>the update could not be started</source>
        <translation>无法开始更新</translation>
    </message>
    <message id="dfu.NotOpen">
        <source>the handle does not name an open device</source>
        <translation>这个句柄不是已打开的设备</translation>
    </message>
    <message id="dfu.NothingToWrite">
        <source>the firmware file holds no byte in the area the update writes: the update would erase the cradle's firmware and write nothing, so it was refused before anything was erased</source>
        <translation>固件文件在更新写入的范围内没有任何字节: 更新会清除充电座的固件却什么都不写入, 因此在清除任何内容之前就拒绝了</translation>
    </message>
    <message id="dfu.Ok">
        <source>success</source>
        <translation>成功</translation>
    </message>
    <message id="dfu.OpenFailed">
        <source>the device could not be opened</source>
        <translation>无法打开设备</translation>
    </message>
    <message id="dfu.RequestFailed">
        <source>the device refused the request</source>
        <translation>设备拒绝了请求</translation>
    </message>
    <message id="dfu.ShortReply">
        <source>the device answered fewer bytes than the request needs</source>
        <translation>设备应答的字节比请求所需的少</translation>
    </message>
    <message id="dfu.StringError">
        <source>the string descriptor could not be read</source>
        <translation>无法读取字符串描述符</translation>
    </message>
    <message id="dfu.Timeout">
        <source>the device did not answer in time</source>
        <translation>设备没有及时应答</translation>
    </message>
    <message id="dfu.TooLarge">
        <source>the block is larger than the device's transfer size</source>
        <translation>数据块大于设备的传输大小</translation>
    </message>
    <message id="dfu.WorkerBusy">
        <source>another cradle update is running</source>
        <translation>另一个充电座更新正在运行</translation>
    </message>
    <message id="dfu.WorkerFault">
        <source>the update stopped on an unexpected fault (out of memory or a library failure)</source>
        <translation>更新因意外错误而停止 (内存不足或库失败)</translation>
    </message>
    <message id="dfu.other">
        <source>code %s</source>
        <translation>代码 %s</translation>
    </message>
    <message id="dialog.allFiles">
        <source>所有檔案 (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message id="doctor.allWell">
        <source>all well</source>
        <translation>一切正常</translation>
    </message>
    <message id="doctor.busy.close">
        <source>end that program (a terminal program, a modem manager, another FeldSpan) before connecting</source>
        <translation>连接前请结束该程序（终端程序、调制解调器管理程序、另一个 FeldSpan）</translation>
    </message>
    <message id="doctor.busy.device">
        <source>look at the port in the Device Manager; plug the cradle in again</source>
        <translation>请在设备管理器中查看该端口;重新插上充电座</translation>
    </message>
    <message id="doctor.busy.failed">
        <source>%s cannot be opened: %s</source>
        <translation>无法打开 %s:%s</translation>
    </message>
    <message id="doctor.busy.free">
        <source>no other process has %s open</source>
        <translation>没有其他进程打开 %s</translation>
    </message>
    <message id="doctor.busy.freeWin">
        <source>no other program holds %s</source>
        <translation>没有其他程序占用 %s</translation>
    </message>
    <message id="doctor.busy.held">
        <source>%s is open in process %s</source>
        <translation>%s 已被进程 %s 打开</translation>
    </message>
    <message id="doctor.busy.heldWin">
        <source>%s is in use by another program</source>
        <translation>%s 正被其他程序使用</translation>
    </message>
    <message id="doctor.busy.hidden">
        <source> (the open files of %d processes could not be looked at)</source>
        <translation>（有 %d 个进程的打开文件无法查看）</translation>
    </message>
    <message id="doctor.busy.noPort">
        <source>no serial port to check</source>
        <translation>没有可检查的串口</translation>
    </message>
    <message id="doctor.busy.title">
        <source>port in use</source>
        <translation>端口占用</translation>
    </message>
    <message id="doctor.busy.unreadable">
        <source> (the open files of %d processes of other users could not be looked at; run as root to see them)</source>
        <translation>（其他用户的 %d 个进程的打开文件无法查看；以 root 运行可看到全部）</translation>
    </message>
    <message id="doctor.com.choose">
        <source>connect the cradle, then choose one of the ports here in the port settings (or give it for one run: --device COMn)</source>
        <translation>请接上充电座,然后在通信端口设置中选择这里的一个端口(或只为这次执行指定:--device COMn)</translation>
    </message>
    <message id="doctor.com.missing">
        <source>the settings name %s, which does not exist (ports here: %s)</source>
        <translation>设置中指定的 %s 不存在(这里的端口:%s)</translation>
    </message>
    <message id="doctor.com.none">
        <source>this machine has no COM port now</source>
        <translation>这台电脑目前没有任何 COM 端口</translation>
    </message>
    <message id="doctor.com.noneHere">
        <source>none</source>
        <translation>无</translation>
    </message>
    <message id="doctor.com.ok">
        <source>ports here: %s</source>
        <translation>这里的端口:%s</translation>
    </message>
    <message id="doctor.com.title">
        <source>COM ports</source>
        <translation>COM 端口</translation>
    </message>
    <message id="doctor.com.unreadable">
        <source>the system's list of serial ports could not be read</source>
        <translation>无法读取系统的串行端口列表</translation>
    </message>
    <message id="doctor.driver.bind">
        <source>bind the WinUSB driver to the device %s (with a driver installer such as Zadig: choose the device, then WinUSB), then plug the cradle in again</source>
        <translation>请为设备 %s 绑定 WinUSB 驱动程序(使用驱动安装工具,例如 Zadig:选择该设备,再选 WinUSB),然后重新插上充电座</translation>
    </message>
    <message id="doctor.driver.noCradle">
        <source>no cradle waiting for an update is connected</source>
        <translation>没有接上等待更新的充电座</translation>
    </message>
    <message id="doctor.driver.none">
        <source>the cradle %s waits for an update, and no driver is bound to it</source>
        <translation>充电座 %s 正在等待更新,但没有绑定任何驱动程序</translation>
    </message>
    <message id="doctor.driver.ok">
        <source>the cradle uses a driver the update works through: %s</source>
        <translation>充电座使用的驱动程序可以进行更新:%s</translation>
    </message>
    <message id="doctor.driver.other">
        <source>the cradle %s waits for an update, and its driver %s cannot be used for it</source>
        <translation>充电座 %s 正在等待更新,但它的驱动程序 %s 无法用于更新</translation>
    </message>
    <message id="doctor.driver.title">
        <source>USB driver for cradle updates</source>
        <translation>充电座更新用的 USB 驱动程序</translation>
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
        <translation>没有中文字体：窗口的中文文字与终端机文件名会显示成方框</translation>
    </message>
    <message id="doctor.font.ok">
        <source>found: %s</source>
        <translation>找到：%s</translation>
    </message>
    <message id="doctor.font.title">
        <source>Chinese font</source>
        <translation>中文字体</translation>
    </message>
    <message id="doctor.group.denied">
        <source>%s belongs to the group %s, and this session may not open it</source>
        <translation>%s 属于组 %s，此会话无法打开它</translation>
    </message>
    <message id="doctor.group.join">
        <source>sudo usermod -aG %s %s, then log out and in again (or install the udev rules, which give the user at the seat the cradle)</source>
        <translation>sudo usermod -aG %s %s，然后注销再登录（或安装 udev 规则，让当前座位上的用户可使用充电座）</translation>
    </message>
    <message id="doctor.group.noPort">
        <source>no serial port to check: none is connected and the configured one is not there</source>
        <translation>没有可检查的串口：没有连接任何串口，设置的串口也不存在</translation>
    </message>
    <message id="doctor.group.ok">
        <source>this session may open %s</source>
        <translation>此会话可打开 %s</translation>
    </message>
    <message id="doctor.group.relogin">
        <source>you were added to %s after logging in: log out and in again (or run `newgrp %s`)</source>
        <translation>您是在登录后才加入 %s 的：请注销再登录（或执行 `newgrp %s`）</translation>
    </message>
    <message id="doctor.group.title">
        <source>serial port access</source>
        <translation>串口访问权</translation>
    </message>
    <message id="doctor.latency.lower">
        <source>echo 1 | sudo tee %s/%s/latency_timer (until the adapter is unplugged; for good: a udev rule with ATTR{latency_timer}=&quot;1&quot;)</source>
        <translation>echo 1 | sudo tee %s/%s/latency_timer（在拔下转接器前有效；要永久生效：使用含 ATTR{latency_timer}=&quot;1&quot; 的 udev 规则）</translation>
    </message>
    <message id="doctor.latency.none">
        <source>no USB-serial adapter with a latency timer is connected</source>
        <translation>未连接具延迟计时器的 USB 转串口转接器</translation>
    </message>
    <message id="doctor.latency.ok">
        <source>1 ms on %s</source>
        <translation>%s 为 1 ms</translation>
    </message>
    <message id="doctor.latency.slow">
        <source>%s holds each short reply for %d ms (at 5 ms the link loses a fifth of its speed; FeldSpan asks for 1 ms while the port is open, which not every driver grants)</source>
        <translation>%s 会把每个短响应延迟 %d ms（在 5 ms 时连接会损失五分之一的速度；FeldSpan 在端口打开时会要求 1 ms，但并非每个驱动程序都接受）</translation>
    </message>
    <message id="doctor.latency.title">
        <source>USB-serial latency</source>
        <translation>USB 转串口延迟</translation>
    </message>
    <message id="doctor.mm.holds">
        <source>ModemManager holds %s open</source>
        <translation>ModemManager 正打开着 %s</translation>
    </message>
    <message id="doctor.mm.ignores">
        <source>running, and told to leave the USB serial ports alone</source>
        <translation>正在运行，且已被告知不要碰 USB 串口</translation>
    </message>
    <message id="doctor.mm.noPort">
        <source>running; no USB serial port for it to probe now</source>
        <translation>正在运行；目前没有可让它探测的 USB 串口</translation>
    </message>
    <message id="doctor.mm.notRunning">
        <source>not running</source>
        <translation>未运行</translation>
    </message>
    <message id="doctor.mm.probes">
        <source>running, and not told to leave %s alone: it may send modem commands to the terminal</source>
        <translation>正在运行，且未被告知不要碰 %s：它可能会对终端机发送调制解调器命令</translation>
    </message>
    <message id="doctor.mm.stop">
        <source>install the udev rules and plug the cradle in again, or sudo systemctl disable --now ModemManager</source>
        <translation>安装 udev 规则并重新插上充电座，或 sudo systemctl disable --now ModemManager</translation>
    </message>
    <message id="doctor.mm.title">
        <source>ModemManager</source>
        <translation>ModemManager</translation>
    </message>
    <message id="doctor.toFix">
        <source>%d thing(s) to fix</source>
        <translation>有 %d 项需要修正</translation>
    </message>
    <message id="doctor.udev.copy">
        <source>install the package, or sudo cp res/linux/%s /etc/udev/rules.d/ &amp;&amp; %s</source>
        <translation>安装软件包，或 sudo cp res/linux/%s /etc/udev/rules.d/ &amp;&amp; %s</translation>
    </message>
    <message id="doctor.udev.installed">
        <source>installed: %s</source>
        <translation>已安装：%s</translation>
    </message>
    <message id="doctor.udev.local">
        <source>%s is where udev never looks</source>
        <translation>%s 位于 udev 从不读取的地方</translation>
    </message>
    <message id="doctor.udev.missing">
        <source>not installed: the cradle is only reachable for root, and ModemManager may probe it</source>
        <translation>未安装：只有 root 能使用充电座，且 ModemManager 可能会探测它</translation>
    </message>
    <message id="doctor.udev.title">
        <source>udev rules</source>
        <translation>udev 规则</translation>
    </message>
    <message id="doctor.usb.denied">
        <source>the cradle at %s may not be opened by this session</source>
        <translation>此会话无法打开位于 %s 的充电座</translation>
    </message>
    <message id="doctor.usb.noBus">
        <source>no USB bus on this machine</source>
        <translation>这台电脑没有 USB 总线</translation>
    </message>
    <message id="doctor.usb.noCradle">
        <source>no cradle is connected</source>
        <translation>未连接充电座</translation>
    </message>
    <message id="doctor.usb.ok">
        <source>this session may open %s</source>
        <translation>此会话可打开 %s</translation>
    </message>
    <message id="doctor.usb.rules">
        <source>install the udev rules (%s) and plug the cradle in again</source>
        <translation>安装 udev 规则（%s）并重新插上充电座</translation>
    </message>
    <message id="doctor.usb.title">
        <source>USB access for cradle updates</source>
        <translation>更新充电座的 USB 访问权</translation>
    </message>
    <message id="drop.folder">
        <source>%1:資料夾無法傳送到終端機,請選擇其中的檔案</source>
        <translation>%1:文件夹无法传送到终端机,请选择其中的文件</translation>
    </message>
    <message id="drop.name">
        <source>%1:終端機只能存放 8.3 格式的檔名(最多 8 個字元,副檔名最多 3 個字元)</source>
        <translation>%1:终端机只能存放 8.3 格式的文件名(最多 8 个字符,扩展名最多 3 个字符)</translation>
    </message>
    <message id="drop.notFile">
        <source>%1:不是可以傳送的檔案</source>
        <translation>%1:不是可以传送的文件</translation>
    </message>
    <message id="drop.refused">
        <source>沒有傳送任何檔案:</source>
        <translation>没有传送任何文件:</translation>
    </message>
    <message id="explorer.noSuchDrive">
        <source>there is no drive image of '%s'; the terminal's drives are C and D</source>
        <translation>没有磁盘 '%s' 的映像;终端机的磁盘是 C 和 D</translation>
    </message>
    <message id="explorer.sameFile">
        <source>%s and %s are the same file; nothing was copied</source>
        <translation>%s 和 %s 是同一个文件;未复制任何内容</translation>
    </message>
    <message id="file.changed">
        <source>%s changed while it was read</source>
        <translation>%s 在读取时被更改了</translation>
    </message>
    <message id="file.grows">
        <source>%s is not an ordinary file: it holds more than its size says (%lld bytes)</source>
        <translation>%s 不是普通文件: 内容比它的大小所说的还多 (%lld 字节)</translation>
    </message>
    <message id="file.isLink">
        <source>%s is a link; nothing is written through it (remove the link or choose another folder)</source>
        <translation>%s 是一个链接;不会通过它写入任何内容(请删除该链接或选择其他文件夹)</translation>
    </message>
    <message id="file.kind.blockDevice">
        <source>a block device</source>
        <translation>块设备</translation>
    </message>
    <message id="file.kind.charDevice">
        <source>a character device</source>
        <translation>字符设备</translation>
    </message>
    <message id="file.kind.fifo">
        <source>a FIFO</source>
        <translation>FIFO</translation>
    </message>
    <message id="file.kind.folder">
        <source>a folder</source>
        <translation>文件夹</translation>
    </message>
    <message id="file.kind.other">
        <source>not an ordinary file</source>
        <translation>非普通文件</translation>
    </message>
    <message id="file.kind.socket">
        <source>a socket</source>
        <translation>套接字</translation>
    </message>
    <message id="file.noName">
        <source>no file name given</source>
        <translation>没有指定文件名</translation>
    </message>
    <message id="file.notCopyable">
        <source>%s is %s, not a file that can be copied</source>
        <translation>%s 是%s,不是可以复制的文件</translation>
    </message>
    <message id="file.notOpen">
        <source>the file is not open</source>
        <translation>文件没有打开</translation>
    </message>
    <message id="file.notRegular">
        <source>%s: not a regular file, a device or a FIFO; give a file name</source>
        <translation>%s: 不是普通文件、设备或 FIFO; 请指定文件名</translation>
    </message>
    <message id="file.notSendable">
        <source>%s is %s, not a file that can be sent</source>
        <translation>%s 是%s, 不是可以发送的文件</translation>
    </message>
    <message id="file.tooBig">
        <source>%s is too big for the terminal (%lld bytes)</source>
        <translation>%s 对终端机来说太大了 (%lld 字节)</translation>
    </message>
    <message id="folder.cancel">
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message id="folder.ok">
        <source>確定</source>
        <translation>确定</translation>
    </message>
    <message id="folder.path">
        <source>路徑:</source>
        <translation>路径:</translation>
    </message>
    <message id="folder.title">
        <source>選擇資料夾</source>
        <translation>选择文件夹</translation>
    </message>
    <message id="font.choose">
        <source>語系支援下載</source>
        <translation>语系支持下载</translation>
    </message>
    <message id="format.confirmDrive">
        <source>磁碟機 %s 內的檔案會全部消失!!&#xd;
你確定要格式化磁碟機 %s?</source>
        <translation>磁盘 %s 内的文件会全部消失!!&#xd;
你确定要格式化磁盘 %s?</translation>
    </message>
    <message id="help.folder">
        <source></source>
        <translation>zh_CN</translation>
    </message>
    <message id="help.missing">
        <source>&lt;p&gt;The help pages are not installed (%1).&lt;/p&gt;</source>
        <translation>&lt;p&gt;帮助页面尚未安装 (%1)。&lt;/p&gt;</translation>
    </message>
    <message id="help.title">
        <source>FeldSpan 說明</source>
        <translation>FeldSpan 帮助</translation>
    </message>
    <message id="language.nextStart">
        <source>FeldSpan 下次啟動時就會使用所選的語言。</source>
        <translation>FeldSpan 下次启动时将使用所选的语言。</translation>
    </message>
    <message id="link.access.joinGroup">
        <source>add your user to the group that owns it (%s), e.g. &quot;sudo usermod -aG %s $USER&quot;, then log in again</source>
        <translation>请将用户加入拥有它的组 (%s), 例如 &quot;sudo usermod -aG %s $USER&quot;, 然后重新登录</translation>
    </message>
    <message id="link.access.lsusb">
        <source> (VVVV:PPPP as lsusb shows the device)</source>
        <translation> (VVVV:PPPP 为 lsusb 显示的设备编号)</translation>
    </message>
    <message id="link.access.noName">
        <source>its group %u has no name; </source>
        <translation>它的组 %u 没有名称; </translation>
    </message>
    <message id="link.access.noReadWrite">
        <source>its group (%s) may not read and write it; </source>
        <translation>它的组 (%s) 不能读写它; </translation>
    </message>
    <message id="link.access.root">
        <source>its group is root; </source>
        <translation>它的组是 root; </translation>
    </message>
    <message id="link.access.udev">
        <source>add a udev rule that gives your group access to this device, e.g. SUBSYSTEM==&quot;tty&quot;, %s, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; in /etc/udev/rules.d/50-feldspan.rules%s, then plug the device in again (and be in that group)</source>
        <translation>请添加一条 udev 规则, 让你的组可以访问这个设备, 例如在 /etc/udev/rules.d/50-feldspan.rules 中写入 SUBSYSTEM==&quot;tty&quot;, %s, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;%s, 然后重新插上设备 (并加入该组)</translation>
    </message>
    <message id="link.answerTooBig">
        <source>The terminal announced an answer of %u bytes, more than any command's; it was refused.</source>
        <translation>终端机声明了 %u 字节的应答, 比任何命令的应答都大; 已拒绝。</translation>
    </message>
    <message id="link.badFolder">
        <source>%s: not a folder the terminal has (%s)</source>
        <translation>%s: 终端机上没有这个文件夹 (%s)</translation>
    </message>
    <message id="link.badPath">
        <source>%s: not a path the terminal takes (%s)</source>
        <translation>%s: 终端机不接受这个路径 (%s)</translation>
    </message>
    <message id="link.badStoredName">
        <source>%s: the terminal cannot store it as %s (%s); rename the file first</source>
        <translation>%s: 终端机无法将它存为 %s (%s); 请先将文件改名</translation>
    </message>
    <message id="link.badUsbPorts">
        <source>%s: &quot;%s&quot; is not PATH=VVVV:PPPP (hex USB vendor and product ids)</source>
        <translation>%s: &quot;%s&quot; 不是 路径=VVVV:PPPP 的形式 (十六进制的 USB 厂商 ID 和产品 ID)</translation>
    </message>
    <message id="link.baudBack">
        <source>The port could not be set back to %d bit/s and is closed (%s); the next operation opens it again.</source>
        <translation>通信端口无法设回 %d bit/s, 已关闭 (%s); 下一个操作会重新打开它。</translation>
    </message>
    <message id="link.cancelled">
        <source>the transfer was cancelled</source>
        <translation>传输已取消</translation>
    </message>
    <message id="link.cannotOpen">
        <source>cannot open %s: %s</source>
        <translation>无法打开 %s: %s</translation>
    </message>
    <message id="link.cannotWrite">
        <source>cannot write to %s: %s</source>
        <translation>无法写入 %s: %s</translation>
    </message>
    <message id="link.connectOff">
        <source>connecting is switched off in the port settings</source>
        <translation>端口设置中的连接已关闭</translation>
    </message>
    <message id="link.connectionLost">
        <source>the connection to the terminal was lost (%s)</source>
        <translation>与终端机的连接中断了 (%s)</translation>
    </message>
    <message id="link.deviceBusy">
        <source>device busy: %s is in use by another program</source>
        <translation>设备忙: %s 正被其他程序使用</translation>
    </message>
    <message id="link.deviceBusyWhy">
        <source>device busy: %s is in use by another program (%s)</source>
        <translation>设备忙: %s 正被其他程序使用 (%s)</translation>
    </message>
    <message id="link.deviceClosed">
        <source>the device closed</source>
        <translation>设备已关闭</translation>
    </message>
    <message id="link.deviceGone">
        <source>the device %s went away (%s)</source>
        <translation>设备 %s 不见了 (%s)</translation>
    </message>
    <message id="link.deviceMissing">
        <source>device missing: %s does not exist (is the terminal connected and switched on?)</source>
        <translation>找不到设备: %s 不存在 (终端机是否已连接并开机?)</translation>
    </message>
    <message id="link.deviceMissingNoPorts">
        <source>device missing: %s does not exist, and this computer has no serial ports (is the terminal's cradle connected?)</source>
        <translation>找不到设备: %s 不存在, 且本机没有任何串行端口 (终端机的充电座是否已连接?)</translation>
    </message>
    <message id="link.deviceMissingPorts">
        <source>device missing: %s does not exist (ports here: %s)</source>
        <translation>找不到设备: %s 不存在 (本机的端口: %s)</translation>
    </message>
    <message id="link.fileTooBig">
        <source>The terminal announced a file of %u bytes, more than its drives hold; it was refused.</source>
        <translation>终端机声明了 %u 字节的文件, 比它的驱动器所能容纳的还大; 已拒绝。</translation>
    </message>
    <message id="link.fileTooShort">
        <source>The terminal announced a file of %u bytes, too short for its header; it was refused.</source>
        <translation>终端机声明了 %u 字节的文件, 连文件头都放不下; 已拒绝。</translation>
    </message>
    <message id="link.folderTooLong">
        <source>The terminal folder path is too long (%d bytes, at most %d): %s</source>
        <translation>终端机文件夹路径太长 (%d 字节, 最多 %d): %s</translation>
    </message>
    <message id="link.frameRetries">
        <source>the terminal did not take a frame in %d attempts; check the cable and the line speed</source>
        <translation>终端机试了 %d 次都没有收下数据帧; 请检查连接线和传输速率</translation>
    </message>
    <message id="link.hungUp">
        <source>it hung up</source>
        <translation>线路已挂断</translation>
    </message>
    <message id="link.ioThreadStopped">
        <source>the port's I/O thread stopped (%s)</source>
        <translation>通信端口的 I/O 线程停止了 (%s)</translation>
    </message>
    <message id="link.kernelOddSize">
        <source>%s is %u bytes long: a kernel image is a whole number of 4-byte words; nothing was sent</source>
        <translation>%s 长 %u 字节: 内核映像必须是 4 字节字的整数倍; 没有发送任何数据</translation>
    </message>
    <message id="link.kernelOddSizeKept">
        <source>%s is %u bytes long: a kernel image is a whole number of 4-byte words; nothing on the terminal was changed</source>
        <translation>%s 长 %u 字节: 内核映像必须是 4 字节字的整数倍; 终端机上没有任何更改</translation>
    </message>
    <message id="link.kernelUnread">
        <source>%s; nothing on the terminal was changed</source>
        <translation>%s; 终端机上没有任何更改</translation>
    </message>
    <message id="link.kind.answer">
        <source>an answer</source>
        <translation>应答</translation>
    </message>
    <message id="link.kind.file">
        <source>a file</source>
        <translation>文件</translation>
    </message>
    <message id="link.kind.transfer">
        <source>a transfer</source>
        <translation>传输</translation>
    </message>
    <message id="link.lineNotSet">
        <source>the line cannot be set to %s (%s)</source>
        <translation>无法将线路设为 %s (%s)</translation>
    </message>
    <message id="link.name.base">
        <source>not an 8.3 name: the base is not 1-8 characters</source>
        <translation>不是 8.3 名称: 主文件名不是 1-8 个字符</translation>
    </message>
    <message id="link.name.character">
        <source>not an 8.3 name: it holds a character a short name cannot hold</source>
        <translation>不是 8.3 名称: 含有短文件名不能使用的字符</translation>
    </message>
    <message id="link.name.dots">
        <source>not an 8.3 name: more than one '.'</source>
        <translation>不是 8.3 名称: 有一个以上的 '.'</translation>
    </message>
    <message id="link.name.empty">
        <source>empty name</source>
        <translation>名称为空</translation>
    </message>
    <message id="link.name.extension">
        <source>not an 8.3 name: the extension is not 1-3 characters</source>
        <translation>不是 8.3 名称: 扩展名不是 1-3 个字符</translation>
    </message>
    <message id="link.name.lowerCase">
        <source>not an upper-case 8.3 name</source>
        <translation>不是大写的 8.3 名称</translation>
    </message>
    <message id="link.noAnswer">
        <source>the terminal did not answer (is it switched on, in its cradle and ready to transfer?)</source>
        <translation>终端机没有应答 (是否已开机、放在充电座上并准备好传输?)</translation>
    </message>
    <message id="link.noFileSent">
        <source>the terminal sent no file</source>
        <translation>终端机没有送出文件</translation>
    </message>
    <message id="link.noIoThread">
        <source>cannot start the port's I/O thread: %s</source>
        <translation>无法启动通信端口的 I/O 线程: %s</translation>
    </message>
    <message id="link.noLinkCheck">
        <source>the terminal did not answer the link check (is it switched on and in transfer mode?)</source>
        <translation>终端机没有应答连接检查 (是否已开机并处于传输模式?)</translation>
    </message>
    <message id="link.noPort">
        <source>the port could not be made</source>
        <translation>无法建立通信端口</translation>
    </message>
    <message id="link.noSuchFile">
        <source>no such file on the terminal</source>
        <translation>终端机上没有这个文件</translation>
    </message>
    <message id="link.noUsbDevice">
        <source>no USB serial device found: connect the terminal's cradle and check its cable</source>
        <translation>找不到 USB 串口设备: 请接上终端机的充电座并检查连接线</translation>
    </message>
    <message id="link.noUsbTerminal">
        <source>no USB terminal found among the USB serial devices (none matches the configured ids)</source>
        <translation>在 USB 串口设备中找不到终端机 (没有一个符合设置的 ID)</translation>
    </message>
    <message id="link.noVersion">
        <source>%s: not sent: the terminal did not report its firmware version</source>
        <translation>%s: 没有发送: 终端机没有报告固件版本</translation>
    </message>
    <message id="link.noWriter">
        <source>The flash writer %s is missing or cannot be read (%s). It comes from the terminal's vendor with the terminal's own software: put it there and try again. Nothing on the terminal was changed.</source>
        <translation>烧录程序 %s 不存在或无法读取 (%s)。它由终端机厂商随终端机的软件提供: 请将它放在那里再试一次。终端机上没有任何更改。</translation>
    </message>
    <message id="link.noisyLine">
        <source>the terminal's frames kept arriving damaged; check the cable and the line speed</source>
        <translation>终端机的数据帧一直损坏; 请检查连接线和传输速率</translation>
    </message>
    <message id="link.notAnswering">
        <source>the terminal does not answer; retrying (attempt %d of %d)</source>
        <translation>终端机没有应答；正在重试（第 %d 次，共 %d 次）</translation>
    </message>
    <message id="link.notFormatted">
        <source>the drive is not formatted</source>
        <translation>驱动器尚未格式化</translation>
    </message>
    <message id="link.notKernel">
        <source>%s is not a kernel image (a .bin file); nothing on the terminal was changed</source>
        <translation>%s 不是内核映像 (.bin 文件); 终端机上没有任何更改</translation>
    </message>
    <message id="link.notSent">
        <source>the terminal did not send it (%s)</source>
        <translation>终端机没有发送它 (%s)</translation>
    </message>
    <message id="link.otherModel">
        <source>The terminal is a model this program cannot update (class %d, number %d)</source>
        <translation>此终端机的型号无法由本程序更新（类别 %d，编号 %d）</translation>
    </message>
    <message id="link.path.component">
        <source>path component %s: %s</source>
        <translation>路径中的 %s: %s</translation>
    </message>
    <message id="link.path.dot">
        <source>path has a '.' component</source>
        <translation>路径中有 '.'</translation>
    </message>
    <message id="link.path.dotDot">
        <source>path has a '..' component</source>
        <translation>路径中有 '..'</translation>
    </message>
    <message id="link.path.drive">
        <source>drive is not C: or D:</source>
        <translation>驱动器不是 C: 或 D:</translation>
    </message>
    <message id="link.path.empty">
        <source>path has an empty component</source>
        <translation>路径中有空的部分</translation>
    </message>
    <message id="link.path.noBackslash">
        <source>path has no '\' after the drive</source>
        <translation>驱动器后面没有 '\'</translation>
    </message>
    <message id="link.path.noDrive">
        <source>path does not start with a drive</source>
        <translation>路径不是以驱动器开头</translation>
    </message>
    <message id="link.path.noFile">
        <source>path names a folder, not a file</source>
        <translation>路径指向文件夹,而不是文件</translation>
    </message>
    <message id="link.path.slash">
        <source>path has a '/'</source>
        <translation>路径中有 '/'</translation>
    </message>
    <message id="link.pathTooLong">
        <source>The terminal path is too long: %s</source>
        <translation>终端机路径太长: %s</translation>
    </message>
    <message id="link.permissionDenied">
        <source>permission denied on %s: %s</source>
        <translation>没有权限使用 %s: %s</translation>
    </message>
    <message id="link.refused">
        <source>The terminal sent %s where %s was expected; it was refused.</source>
        <translation>终端机发来了%s, 但预期的是%s; 已拒绝。</translation>
    </message>
    <message id="link.rootFolder">
        <source>%s is a drive, not a folder: the terminal keeps files in the folders of a drive; name one, e.g. %sData</source>
        <translation>%s 是磁盘驱动器，不是文件夹：终端机把文件存放在驱动器的文件夹中；请指定文件夹，例如 %sData</translation>
    </message>
    <message id="link.settingsCancelled">
        <source>the port settings were cancelled</source>
        <translation>端口设置已取消</translation>
    </message>
    <message id="link.severalUsb">
        <source>%d USB serial devices are connected and UsbIds names none of them as the terminal, so none is guessed at: %s. Name the terminal's with `feldspan-cli config FeldSpan/Settings/UsbIds VVVV:PPPP`, or use --device</source>
        <translation>已连接 %d 个 USB 串口设备，而 UsbIds 未指定其中任何一个是终端机，因此不做猜测：%s。请用 `feldspan-cli config FeldSpan/Settings/UsbIds VVVV:PPPP` 指定终端机的设备，或使用 --device</translation>
    </message>
    <message id="link.stayedBusy">
        <source>the terminal stayed busy and did not take the data</source>
        <translation>终端机一直忙碌, 没有收下数据</translation>
    </message>
    <message id="link.stoppedAnswering">
        <source>the terminal stopped answering (is it still switched on and in its cradle?)</source>
        <translation>终端机停止应答了 (是否仍然开机并放在充电座上?)</translation>
    </message>
    <message id="link.tooBig">
        <source>%s: too big to send to the terminal</source>
        <translation>%s: 太大了, 无法发送到终端机</translation>
    </message>
    <message id="link.updateBaud">
        <source>The port could not be switched to %d bit/s for the update: %s</source>
        <translation>无法将通信端口切换为 %d bit/s 以进行更新: %s</translation>
    </message>
    <message id="link.waitFailed">
        <source>its wait failed: %s</source>
        <translation>等待失败: %s</translation>
    </message>
    <message id="link.writerEmpty">
        <source>it is empty</source>
        <translation>它是空的</translation>
    </message>
    <message id="link.writerLoop">
        <source>The terminal keeps asking for the flash writer; giving up.</source>
        <translation>终端机一直要求烧录程序; 放弃。</translation>
    </message>
    <message id="listing.noAnswer">
        <source>the terminal did not list it</source>
        <translation>终端机没有列出它</translation>
    </message>
    <message id="listing.notConfirmed">
        <source>sent but not confirmed: the terminal's listing of %s failed (%s): %s</source>
        <translation>已发送但未确认:终端机的 %s 列表失败(%s):%s</translation>
    </message>
    <message id="listing.notFound">
        <source>sent but not found on the terminal: %s</source>
        <translation>已发送但在终端机上找不到:%s</translation>
    </message>
    <message id="listing.otherSize">
        <source>sent but of another size on the terminal: %s (%u bytes there, %u sent)</source>
        <translation>已发送但终端机上的大小不同:%s(那里 %u 字节,发送了 %u)</translation>
    </message>
    <message id="menu.dataReceive">
        <source>資料接收</source>
        <translation>数据接收</translation>
    </message>
    <message id="menu.file">
        <source>檔案</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message id="menu.help">
        <source>說明</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message id="menu.language">
        <source>語言</source>
        <translation>语言</translation>
    </message>
    <message id="menu.portChoice">
        <source>連接埠選擇</source>
        <translation>端口选择</translation>
    </message>
    <message id="menu.resident">
        <source>常駐</source>
        <translation>常驻</translation>
    </message>
    <message id="menu.settings">
        <source>設定</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message id="menu.tools">
        <source>工具</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message id="menu.window">
        <source>視窗</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message id="pc.fileSystem">
        <source>檔案系統</source>
        <translation>文件系统</translation>
    </message>
    <message id="pc.home">
        <source>個人資料夾</source>
        <translation>个人文件夹</translation>
    </message>
    <message id="port.baud">
        <source>傳輸速率:</source>
        <translation>传输速率:</translation>
    </message>
    <message id="port.connect">
        <source>連線</source>
        <translation>连接</translation>
    </message>
    <message id="port.databits">
        <source>資料位元:</source>
        <translation>数据位:</translation>
    </message>
    <message id="port.device">
        <source>序列埠:</source>
        <translation>串口:</translation>
    </message>
    <message id="port.lineErrors">
        <source>顯示線路錯誤</source>
        <translation>显示线路错误</translation>
    </message>
    <message id="port.parity">
        <source>同位檢查:</source>
        <translation>奇偶校验:</translation>
    </message>
    <message id="port.parity.even">
        <source>偶數</source>
        <translation>偶校验</translation>
    </message>
    <message id="port.parity.none">
        <source>無</source>
        <translation>无</translation>
    </message>
    <message id="port.parity.odd">
        <source>奇數</source>
        <translation>奇校验</translation>
    </message>
    <message id="port.stopbits">
        <source>停止位元:</source>
        <translation>停止位:</translation>
    </message>
    <message id="port.title">
        <source>連接埠設定</source>
        <translation>端口设置</translation>
    </message>
    <message id="progress.bytes">
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message id="progress.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="progress.cancelling">
        <source>Stopping the transfer...</source>
        <translation>正在停止传输...</translation>
    </message>
    <message id="progress.kib">
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message id="progress.left">
        <source>%1:%2 left</source>
        <translation>剩余 %1:%2</translation>
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
        <translation>%s：%s 不会传送：一个项目只包含第 1 到 20 个查找文件和数据文件</translation>
    </message>
    <message id="project.cancelled">
        <source>The send was cancelled: the message view lists the files not sent.</source>
        <translation>发送已取消：未发送的文件列在消息视图中。</translation>
    </message>
    <message id="project.cancelledAt">
        <source>not sent %s: the send was cancelled here</source>
        <translation>未发送 %s：发送在此处被取消</translation>
    </message>
    <message id="project.fileMissing">
        <source>%s: %s is not on this PC (looked for %s)</source>
        <translation>%s：本机上没有 %s（查找位置：%s）</translation>
    </message>
    <message id="project.kept">
        <source>skipped %s: the terminal's file was kept, not overwritten: %s</source>
        <translation>已跳过 %s：终端机上的文件已保留，未覆盖：%s</translation>
    </message>
    <message id="project.listFailed">
        <source>The terminal's folder %s could not be listed (%s): every file is sent.</source>
        <translation>无法列出终端机的文件夹 %s(%s):所有文件都将发送。</translation>
    </message>
    <message id="project.noFiles">
        <source>%s: no file to send; a project file names its files in lines such as &quot;Program=C:\Project\APP.ABP&quot;, &quot;Lookup1=...&quot;, &quot;DataFile1=...&quot;, &quot;SysFont=...&quot; and &quot;UserFont=...&quot;</source>
        <translation>%s：没有要传送的文件；项目文件以这样的行列出其文件：&quot;Program=C:\Project\APP.ABP&quot;、&quot;Lookup1=...&quot;、&quot;DataFile1=...&quot;、&quot;SysFont=...&quot; 和 &quot;UserFont=...&quot;</translation>
    </message>
    <message id="project.notChecked">
        <source>Nothing was sent: these files cannot be sent as the projects name them.</source>
        <translation>未传送任何文件：以下文件无法按项目所写的方式传送。</translation>
    </message>
    <message id="project.notSent">
        <source>not sent %s -&gt; %s</source>
        <translation>未传送 %s -&gt; %s</translation>
    </message>
    <message id="project.notSentAfterStop">
        <source>not sent %s: the send stopped at an earlier file</source>
        <translation>未传送 %s：传送已在之前的文件处停止</translation>
    </message>
    <message id="project.onlyChanged">
        <source>Send only changed files</source>
        <translation>只发送更改过的文件</translation>
    </message>
    <message id="project.onlyChangedTip">
        <source>Skip each file the terminal already holds with the same name, size, date and time</source>
        <translation>跳过终端机上已有的、名称、大小、日期和时间都相同的文件</translation>
    </message>
    <message id="project.open">
        <source>開啟</source>
        <translation>打开</translation>
    </message>
    <message id="project.places">
        <source>%s, and %s in any letter case</source>
        <translation>%s，以及不区分大小写的 %s</translation>
    </message>
    <message id="project.sendTip">
        <source>Sends every project of the list to the terminal, in the list's order</source>
        <translation>按列表顺序将列表中的所有项目发送到终端</translation>
    </message>
    <message id="project.sentLine">
        <source>sent %s -&gt; %s</source>
        <translation>已发送 %s -&gt; %s</translation>
    </message>
    <message id="project.unchanged">
        <source>unchanged: %s</source>
        <translation>未更改:%s</translation>
    </message>
    <message id="project.warnings">
        <source>Some entries of the projects are not sent:</source>
        <translation>项目中的部分条目不会传送：</translation>
    </message>
    <message id="props.caption">
        <source>內容</source>
        <translation>属性</translation>
    </message>
    <message id="props.created">
        <source>建立日期:</source>
        <translation>创建日期:</translation>
    </message>
    <message id="props.location">
        <source>位置:</source>
        <translation>位置:</translation>
    </message>
    <message id="props.name">
        <source>名稱:</source>
        <translation>名称:</translation>
    </message>
    <message id="props.size">
        <source>大小:</source>
        <translation>大小:</translation>
    </message>
    <message id="props.type">
        <source>類型:</source>
        <translation>类型:</translation>
    </message>
    <message id="receive.badEntry">
        <source>%s names no terminal file (%s)</source>
        <translation>%s 不是终端机上的文件 (%s)</translation>
    </message>
    <message id="receive.badName">
        <source>the terminal's file name cannot be used on this PC: </source>
        <translation>终端机的文件名无法在此电脑上使用: </translation>
    </message>
    <message id="receive.kept">
        <source>received; the terminal kept %s</source>
        <translation>已接收;终端机保留了 %s</translation>
    </message>
    <message id="receive.noSuchFile">
        <source>the terminal has no such file</source>
        <translation>终端机上没有这个文件</translation>
    </message>
    <message id="receive.notFetched">
        <source>%s was not received</source>
        <translation>未接收 %s</translation>
    </message>
    <message id="receive.oldUnreadable">
        <source>%s cannot be read, so nothing is added to it: %s</source>
        <translation>无法读取 %s,因此没有向其追加任何内容:%s</translation>
    </message>
    <message id="receiveDialog.append">
        <source>Append</source>
        <translation>附加</translation>
    </message>
    <message id="receiveDialog.cancel">
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message id="receiveDialog.delete">
        <source>檔案接收後刪除終端機檔案</source>
        <translation>接收后删除终端机文件</translation>
    </message>
    <message id="receiveDialog.file">
        <source>檔案:</source>
        <translation>文件:</translation>
    </message>
    <message id="receiveDialog.format">
        <source>寫入格式:</source>
        <translation>写入格式:</translation>
    </message>
    <message id="receiveDialog.keepCr">
        <source>加入 &lt;Carriage-Return&gt; 字元</source>
        <translation>加入 &lt;Carriage-Return&gt; 字符</translation>
    </message>
    <message id="receiveDialog.keepLf">
        <source>加入 &lt;Line-Feed&gt; 字元</source>
        <translation>加入 &lt;Line-Feed&gt; 字符</translation>
    </message>
    <message id="receiveDialog.overwrite">
        <source>New/Overwrite</source>
        <translation>新建/覆盖</translation>
    </message>
    <message id="receiveDialog.receive">
        <source>接收</source>
        <translation>接收</translation>
    </message>
    <message id="receiveDialog.savePath">
        <source>儲存路徑:</source>
        <translation>保存路径:</translation>
    </message>
    <message id="receiveDialog.title">
        <source>資料接收</source>
        <translation>数据接收</translation>
    </message>
    <message id="resident.badEntry">
        <source>collection entry '%s' names no terminal file (%s); write it as DATA1.TXT or C:\Data\DATA1.TXT</source>
        <translation>收集项目 '%s' 不是终端机上的文件 (%s);请写成 DATA1.TXT 或 C:\Data\DATA1.TXT</translation>
    </message>
    <message id="resident.noLink">
        <source>%s was not received: the terminal is not connected</source>
        <translation>未接收 %s:终端机未连接</translation>
    </message>
    <message id="standby.cancel">
        <source>取消(&amp;C)</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message id="standby.checkOnce">
        <source>偵測一次</source>
        <translation>检测一次</translation>
    </message>
    <message id="standby.choose">
        <source>從終端機的 C:\Data 選擇檔案</source>
        <translation>从终端机的 C:\Data 选择文件</translation>
    </message>
    <message id="standby.every">
        <source>每隔</source>
        <translation>每隔</translation>
    </message>
    <message id="standby.fileTransfer">
        <source>檔案傳輸</source>
        <translation>文件传输</translation>
    </message>
    <message id="standby.files">
        <source>終端機檔案</source>
        <translation>终端机文件</translation>
    </message>
    <message id="standby.first">
        <source>第一次</source>
        <translation>第一次</translation>
    </message>
    <message id="standby.fixed">
        <source>定時</source>
        <translation>定时</translation>
    </message>
    <message id="standby.m1">
        <source>1 分</source>
        <translation>1 分</translation>
    </message>
    <message id="standby.m2">
        <source>2 分</source>
        <translation>2 分</translation>
    </message>
    <message id="standby.m3">
        <source>3 分</source>
        <translation>3 分</translation>
    </message>
    <message id="standby.noDataFiles">
        <source>終端機的 C:\Data 中沒有檔案</source>
        <translation>终端机的 C:\Data 中没有文件</translation>
    </message>
    <message id="standby.ok">
        <source>確定(&amp;O)</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message id="standby.s10">
        <source>10 秒</source>
        <translation>10 秒</translation>
    </message>
    <message id="standby.s20">
        <source>20 秒</source>
        <translation>20 秒</translation>
    </message>
    <message id="standby.s30">
        <source>30 秒</source>
        <translation>30 秒</translation>
    </message>
    <message id="standby.second">
        <source>第二次</source>
        <translation>第二次</translation>
    </message>
    <message id="standby.storage">
        <source>存放位置</source>
        <translation>存放位置</translation>
    </message>
    <message id="standby.third">
        <source>第三次</source>
        <translation>第三次</translation>
    </message>
    <message id="standby.title">
        <source>常駐設定</source>
        <translation>常驻设置</translation>
    </message>
    <message id="status.busy">
        <source>正在與終端機通訊,請稍候</source>
        <translation>正在与终端机通信，请稍候</translation>
    </message>
    <message id="status.bytes">
        <source>bytes</source>
        <translation>字节</translation>
    </message>
    <message id="status.driveC">
        <source>磁碟機 C:</source>
        <translation>驱动器 C:</translation>
    </message>
    <message id="status.driveD">
        <source>磁碟機 D:</source>
        <translation>驱动器 D:</translation>
    </message>
    <message id="status.free">
        <source>剩餘空間:</source>
        <translation>剩余空间:</translation>
    </message>
    <message id="status.ok">
        <source>確定(&amp;O)</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message id="status.terminal">
        <source>終端機</source>
        <translation>终端机</translation>
    </message>
    <message id="status.title">
        <source>終端機狀態</source>
        <translation>终端机状态</translation>
    </message>
    <message id="status.total">
        <source>全部空間:</source>
        <translation>全部空间:</translation>
    </message>
    <message id="status.used">
        <source>使用空間:</source>
        <translation>已用空间:</translation>
    </message>
    <message id="status.version">
        <source>韌體版本:</source>
        <translation>固件版本:</translation>
    </message>
    <message id="term.refusedBecause">
        <source>%s: %s</source>
        <translation>%s:%s</translation>
    </message>
    <message id="term.status.Busy">
        <source>the terminal is busy</source>
        <translation>终端机忙</translation>
    </message>
    <message id="term.status.Done">
        <source>done</source>
        <translation>完成</translation>
    </message>
    <message id="term.status.Failed">
        <source>no valid answer</source>
        <translation>没有有效的应答</translation>
    </message>
    <message id="term.status.FileExists">
        <source>the file exists</source>
        <translation>文件已存在</translation>
    </message>
    <message id="term.status.InUse">
        <source>a file is in use on the terminal</source>
        <translation>终端机上有文件正在使用中</translation>
    </message>
    <message id="term.status.InUse2">
        <source>a file is in use on the terminal</source>
        <translation>终端机上有文件正在使用中</translation>
    </message>
    <message id="term.status.InUse3">
        <source>a file is in use on the terminal</source>
        <translation>终端机上有文件正在使用中</translation>
    </message>
    <message id="term.status.LastKnown">
        <source>a status of the terminal's own</source>
        <translation>终端机自己的状态</translation>
    </message>
    <message id="term.status.LowPower">
        <source>the terminal's power is too low</source>
        <translation>终端机电量太低</translation>
    </message>
    <message id="term.status.NeedsDefrag">
        <source>drive D: must be defragmented</source>
        <translation>驱动器 D: 必须整理</translation>
    </message>
    <message id="term.status.NoSpace">
        <source>not enough space on the drive</source>
        <translation>驱动器空间不足</translation>
    </message>
    <message id="term.status.NotFormatted">
        <source>the drive is not formatted</source>
        <translation>驱动器尚未格式化</translation>
    </message>
    <message id="term.status.Refused">
        <source>the terminal refused the name or path</source>
        <translation>终端机拒绝了这个名称或路径</translation>
    </message>
    <message id="term.status.TransferDone">
        <source>the terminal did not take it (status 2)</source>
        <translation>终端机没有接受(状态 2)</translation>
    </message>
    <message id="term.status.WantsFlashWriter">
        <source>the terminal asks for the flash writer</source>
        <translation>终端机要求烧录程序</translation>
    </message>
    <message id="term.status.unknown">
        <source>the terminal refused (status %d)</source>
        <translation>终端机拒绝了(状态 %d)</translation>
    </message>
    <message id="transfer.cancelled">
        <source>The transfer was cancelled: nothing of the file was kept.</source>
        <translation>传输已取消:文件的任何部分都未保留。</translation>
    </message>
    <message id="transfer.cancelledAt">
        <source>Cancelled at %s: it and the files after it were not copied</source>
        <translation>在 %s 处取消：该文件及其后的文件均未复制</translation>
    </message>
    <message id="transfer.skipped">
        <source>Skipped %s: the file there was not replaced</source>
        <translation>已跳过 %s：那里的文件未被替换</translation>
    </message>
    <message id="tree.andMore">
        <source>……以及另外 %d 個檔案</source>
        <translation>……以及另外 %d 个文件</translation>
    </message>
    <message id="tree.copy">
        <source>複製</source>
        <translation>复制</translation>
    </message>
    <message id="tree.cut">
        <source>剪下</source>
        <translation>剪切</translation>
    </message>
    <message id="tree.date">
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message id="tree.delete">
        <source>刪除</source>
        <translation>删除</translation>
    </message>
    <message id="tree.deleteAsk">
        <source>要從終端機永久刪除下列檔案嗎?&#xd;
%s</source>
        <translation>要从终端机永久删除下列文件吗?&#xd;
%s</translation>
    </message>
    <message id="tree.format">
        <source>格式化</source>
        <translation>格式化</translation>
    </message>
    <message id="tree.kept">
        <source>%s未刪除</source>
        <translation>%s未删除</translation>
    </message>
    <message id="tree.name">
        <source>名稱</source>
        <translation>名称</translation>
    </message>
    <message id="tree.noTrash">
        <source>下列檔案無法移到垃圾桶:&#xd;
%s&#xd;
要永久刪除它們嗎?</source>
        <translation>下列文件无法移到回收站:&#xd;
%s&#xd;
要永久删除它们吗?</translation>
    </message>
    <message id="tree.paste">
        <source>貼上</source>
        <translation>粘贴</translation>
    </message>
    <message id="tree.properties">
        <source>內容</source>
        <translation>属性</translation>
    </message>
    <message id="tree.size">
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message id="tree.trashed">
        <source>已將%s移到垃圾桶</source>
        <translation>已将%s移到回收站</translation>
    </message>
</context>
</TS>
