#pragma once
// The port settings dialog: which serial device (the system's serial ports, USB ones with their
// description), its speed, data bits, parity and stop bits, whether to connect at all, and whether
// line errors are shown. Edits a copy; the caller takes it on OK.

#include <QDialog>

#include "base/PortSettings.h"

class QCheckBox;
class QComboBox;

namespace feld::gui {

class PortSettingsDialog : public QDialog {
    Q_OBJECT
public:
    PortSettingsDialog(const PortSettings& settings, QWidget* parent);

    // The values as the dialog shows them now.
    PortSettings settings() const;

    // The serial ports of this system, each as (device path, text to show).
    static QList<QPair<QString, QString>> systemPorts();

private:
    PortSettings base_;
    QComboBox* device_;
    QComboBox* baud_;
    QComboBox* dataBits_;
    QComboBox* parity_;
    QComboBox* stopBits_;
    QCheckBox* connect_;
    QCheckBox* lineErrors_;
};

}  // namespace feld::gui
