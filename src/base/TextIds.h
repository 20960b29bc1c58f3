#pragma once
// Every numbered text of the program, defined once: its name in the code, its id (the number a
// language pack stores it under) and the program's own text (Traditional Chinese). The code names a
// text by its name; the table behind builtinText is built from the same list.

namespace feld::txt {

#define FELD_TEXTS(X)                                                                               \
    X(OleInitFailed, 100, "OLE initialization failed.  Make sure that the OLE libraries are the correct version.") \
    X(AppTitle, 57344, "FeldSpan")                                                                  \
    X(ReceiveFailed, 61220, "資料接收失敗")                                                         \
    X(PortFailed, 61221, "連線失敗,請確認通訊埠狀態")                                               \
    X(NameTooLong, 61222, "檔名太長\r\n檔名最多8個字元,副檔名最多3個字元")                                        \
    X(NoFlashWriter, 61223, "燒錄程式不存在")                                                       \
    X(TooManyProjects, 61224, "FeldSpan一次只能10個專案")                                           \
    X(SelectProject, 61225, "請選擇一個專案")                                                       \
    X(ProjectsLabel, 61227, "專案:")                                                                \
    X(StatusLabel, 61228, "狀態")                                                                   \
    X(SendLabel, 61229, "傳送")                                                                     \
    X(ReceiveLabel, 61230, "接收資料")                                                              \
    X(SetupLabel, 61231, "設定")                                                                    \
    X(AddLabel, 61232, "加入")                                                                      \
    X(RemoveLabel, 61233, "移除")                                                                   \
    X(AboutLabel, 61234, "關於")                                                                    \
    X(Copied, 61235, "複製%s完成")                                                                  \
    X(CopyFailed, 61236, "複製%s失敗!!")                                                            \
    X(Deleted, 61237, "已刪除%s!!")                                                                 \
    X(DeleteFailed, 61238, "%s無法刪除!!")                                                          \
    X(Moved, 61239, "移動%s完成!!")                                                                 \
    X(MoveFailed, 61240, "搬移%s失敗!!")                                                            \
    X(SendingFile, 61241, "傳送 %s 中......")                                                       \
    X(SendFinished, 61242, "傳送結束")                                                              \
    X(ConnectFailed, 61243, "連線失敗...")                                                          \
    X(FormatDone, 61244, "格式化完成")                                                              \
    X(FormatFailed, 61245, "格式化失敗")                                                            \
    X(FormatCBeforeD, 61246, "格式化磁碟機 D 前必須先格式化磁碟機 C:")                              \
    X(FormatConfirm, 61247, "磁碟機內的檔案會全部消失!!\r\n你確定要格式化?")                        \
    X(ProjectAdded, 61248, "同名稱專案已加入")                                                      \
    X(NoProjectToSend, 61250, "無專案可傳送")                                                       \
    X(TransferFailed, 61251, "檔案傳送失敗")                                                        \
    X(ReceiveDone, 61252, "資料接收成功")                                                           \
    X(DownloadDone, 61253, "檔案下載完成")                                                          \
    X(FirmwareConfirm, 61254, "韌體更新時會造成磁碟機 C: 和 D: 檔案流失\r\n你確定要更新韌體嗎?")    \
    X(FirmwareStart, 61255, "按\"確定\"開始更新韌體.\r\n請查看終端機營幕.\r\n關機表示更新完成.")    \
    X(FirmwareDone, 61256, "韌體更新完成")                                                          \
    X(FirmwareNotDone, 61257, "韌體更新未完成")                                                     \
    X(FileExistsOverwrite, 61258, "檔案已存在,要覆寫嗎?")                                           \
    X(NoDiskInfo, 61259, "無法獲得資訊,請確認連線狀態")                                             \
    X(DriveKind, 61260, "磁碟機")                                                                   \
    X(FolderKind, 61261, "檔案資料夾")                                                              \
    X(FileKind, 61262, "檔案")                                                                      \
    X(UsedSpace, 61263, "已使用空間")                                                               \
    X(FreeSpace, 61264, "可用空間")                                                                 \
    X(Capacity, 61265, "容量")                                                                      \
    X(NotFormatted, 61266, "尚未格式化")                                                            \
    X(DateTime, 61267, "%d/%02d/%02d,  %02d : %02d : %02d")                                         \
    X(CNotFormatted, 61268, "磁碟機 C: 尚未格式化,請先將 C 槽格式化")                               \
    X(DNotFormatted, 61269, "磁碟機 D: 尚未格式化,請先將 D 槽格式化")                               \
    X(CFull, 61270, "磁碟機 C: 空間不足,請先刪除一些檔案")                                          \
    X(DFull, 61271, "磁碟機 D: 空間不足,請先刪除一些檔案")                                          \
    X(NameExistsOverwrite, 61272, "%s已經存在,要覆寫嗎?")                                           \
    X(ReceivingTitle, 61273, "上傳....")                                                            \
    X(SendingTitle, 61274, "下載....")                                                              \
    X(NoDataToReceive, 61275, "無任何資料可供接收")                                                 \
    X(NotConnected, 61276, "未連線")                                                                \
    X(FormatCFirst, 61277, "請先將磁碟機 C: 格式化")                                                \
    X(FirmwareUnsupported, 61278, "韌體版本不支援此功能,請更新韌體")                                \
    X(FormatTitle, 61279, "格式化")                                                                 \
    X(DefragTitle, 61280, "資料重組")                                                               \
    X(NeedsDefrag, 61281, "磁碟機 D 需要被重整,請執行資料重組")                                     \
    X(FileInUse, 61282, "有檔案正在使用中,請先關閉正在執行的程式")                                  \
    X(OldFirmwareWarning, 61283, "韌體版本為舊版,檔案可能無法正常使用,要繼續下載嗎???")             \
    X(BadSavePath, 61284, "此路徑不存在,請輸入正確路徑.")                                           \
    X(StartResident, 61286, "啟動常駐")                                                             \
    X(StopResident, 61287, "關閉常駐")                                                              \
    X(CollectDone, 61288, "在%s時,上傳檔案%s完成")                                                  \
    X(CollectFailed, 61289, "在%s時,上傳檔案%s失敗")                                                \
    X(NoCradleDevice, 61290, "查無裝置,請安裝USB裝置,再檢查充電座switch1是否為On以及是否接上USB連接線及電源") \
    X(NotCradleFirmware, 61291, "檔案不為充電座韌體格式")                                           \
    X(CradleConfirm, 61292, "確定要更新充電座韌體")                                                 \
    X(OpenFileFirst, 61293, "請先開啟檔案")                                                         \
    X(CradleDone, 61294, "充電座韌體更新完成,請重置充電座")                                         \
    X(CradleNotDone, 61295, "充電座韌體更新未完成,請稍後重試")                                      \
    X(CradleNeedsUsb, 61297, "請透過USB先與充電座連結")                                             \
    X(BadFolder, 61298, "無法處理此目錄")                                                           \
    X(ProjectGroup, 61299, "Project:")                                                              \
    X(ProgramGroup, 61300, "Program:")                                                              \
    X(FontGroup, 61301, "Font:")                                                                    \
    X(LookupGroup, 61302, "Lookup File:")                                                           \
    X(DataGroup, 61303, "Data File:")                                                               \
    X(ComputerRoot, 61304, "電腦")                                                                  \
    X(TerminalRoot, 61305, "終端機")


enum TextId : int {
#define FELD_TEXT_ENUM(name, id, text) k##name = id,
    FELD_TEXTS(FELD_TEXT_ENUM)
#undef FELD_TEXT_ENUM
};

}  // namespace feld::txt
