#include "gui/app/PortSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "gui/app/QtUi.h"
#include "link/serial/UsbIdentity.h"
#include "session/Config.h"

namespace feld::gui {

namespace {

const int kBauds[] = {4800, 9600, 19200, 38400, 57600, 115200};

void select(QComboBox* box, int value)
{
    int i = box->findData(value);
    box->setCurrentIndex(i >= 0 ? i : 0);
}

}  // namespace

QList<QPair<QString, QString>> PortSettingsDialog::systemPorts()
{
    // The USB serial ports first (a USB terminal is the usual case), then the system's others.
    QList<QPair<QString, QString>> out;
    for (const UsbSerialPort& p : UsbIdentity::SystemPorts()) {
        const std::string what = p.description.empty() ? p.manufacturer : p.description;
        out.append({qs(p.path), qs(p.path + "  (USB " + UsbIdentity::IdText(p.id) + (what.empty() ? "" : ", " + what) + ")")});
    }
    for (const UsbSerialPort& p : UsbIdentity::OtherSystemPorts())
        out.append({qs(p.path), qs(p.path)});
    return out;
}

PortSettingsDialog::PortSettingsDialog(const PortSettings& settings, QWidget* parent) : QDialog(parent), base_(settings)
{
    setObjectName(QStringLiteral("PortSettingsDialog"));
    setWindowTitle(qtk("port.title", "連接埠設定"));
    auto* form = new QFormLayout;

    device_ = new QComboBox(this);
    device_->setObjectName(QStringLiteral("device"));
    device_->setEditable(true);  // a device the system does not list (a pseudo-terminal) can be typed
    for (const auto& [path, text] : systemPorts())
        device_->addItem(text, path);
    const QString current = qs(Config::serialDevicePath(settings));
    int at = device_->findData(current);
    if (at < 0) {
        device_->insertItem(0, current, current);
        at = 0;
    }
    device_->setCurrentIndex(at);
    form->addRow(qtk("port.device", "序列埠:"), device_);

    baud_ = new QComboBox(this);
    baud_->setObjectName(QStringLiteral("baud"));
    for (int b : kBauds)
        baud_->addItem(QString::number(b), b);
    select(baud_, settings.baudrate);
    form->addRow(qtk("port.baud", "傳輸速率:"), baud_);

    dataBits_ = new QComboBox(this);
    dataBits_->setObjectName(QStringLiteral("dataBits"));
    for (int b : {5, 6, 7, 8})
        dataBits_->addItem(QString::number(b), b);
    select(dataBits_, settings.databits);
    form->addRow(qtk("port.databits", "資料位元:"), dataBits_);

    parity_ = new QComboBox(this);
    parity_->setObjectName(QStringLiteral("parity"));
    parity_->addItem(qtk("port.parity.none", "無"), 0);
    parity_->addItem(qtk("port.parity.odd", "奇數"), 1);
    parity_->addItem(qtk("port.parity.even", "偶數"), 2);
    select(parity_, settings.parity);
    form->addRow(qtk("port.parity", "同位檢查:"), parity_);

    stopBits_ = new QComboBox(this);
    stopBits_->setObjectName(QStringLiteral("stopBits"));
    stopBits_->addItem(QStringLiteral("1"), 1);
    stopBits_->addItem(QStringLiteral("2"), 2);
    select(stopBits_, settings.stopbits == 2 ? 2 : 1);
    form->addRow(qtk("port.stopbits", "停止位元:"), stopBits_);

    connect_ = new QCheckBox(qtk("port.connect", "連線"), this);
    connect_->setObjectName(QStringLiteral("connect"));
    connect_->setChecked(settings.connectEnabled);
    lineErrors_ = new QCheckBox(qtk("port.lineErrors", "顯示線路錯誤"), this);
    lineErrors_->setObjectName(QStringLiteral("lineErrors"));
    lineErrors_->setChecked(settings.reportLineErrors);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(connect_);
    layout->addWidget(lineErrors_);
    layout->addWidget(buttons);
}

PortSettings PortSettingsDialog::settings() const
{
    PortSettings s = base_;
    QString device = device_->currentData().toString();
    if (device.isEmpty() || device_->currentText() != device_->itemText(device_->currentIndex()))
        device = device_->currentText().trimmed();  // typed by hand
    s.serialDevice = ss(device);
    s.baudrate = baud_->currentData().toInt();
    s.databits = dataBits_->currentData().toInt();
    s.parity = parity_->currentData().toInt();
    // Code 1 and 0 both mean one stop bit; the stored code is kept when it already says so.
    int stop = stopBits_->currentData().toInt();
    s.stopbits = stop == 2 ? 2 : (base_.stopbits == 0 ? 0 : 1);
    s.connectEnabled = connect_->isChecked();
    s.reportLineErrors = lineErrors_->isChecked();
    return s;
}

}  // namespace feld::gui
