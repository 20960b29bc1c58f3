#include "gui/explorer/PropertiesDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/app/QtUi.h"

namespace feld::gui {

PropertiesDialog::PropertiesDialog(const PropertiesFields& fields, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PropertiesDialog"));
    setWindowTitle(qtk("props.caption", "內容"));
    // A drive's three sizes go where a file's location, size and date go, under their own labels.
    const QString labels[5] = {
        qtk("props.name", "名稱:"),
        qtk("props.type", "類型:"),
        fields.locationLabel ? qtr(fields.locationLabel) : qtk("props.location", "位置:"),
        fields.sizeLabel ? qtr(fields.sizeLabel) : qtk("props.size", "大小:"),
        fields.createdLabel ? qtr(fields.createdLabel) : qtk("props.created", "建立日期:"),
    };
    const std::string* values[5] = {&fields.name, &fields.type, &fields.location, &fields.size, &fields.created};
    auto* grid = new QGridLayout;
    for (int row = 0; row < 5; ++row) {
        labels_[row] = new QLabel(labels[row], this);
        values_[row] = new QLineEdit(qs(*values[row]), this);
        values_[row]->setReadOnly(true);
        values_[row]->setMinimumWidth(260);
        grid->addWidget(labels_[row], row, 0);
        grid->addWidget(values_[row], row, 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void PropertiesDialog::Show(const PropertiesFields& fields, QWidget* parent)
{
    PropertiesDialog dialog(fields, parent);
    if (showHook)
        showHook(dialog);
    else
        dialog.exec();
}

QString PropertiesDialog::Label(int row) const { return row >= 0 && row < 5 ? labels_[row]->text() : QString(); }
QString PropertiesDialog::Value(int row) const { return row >= 0 && row < 5 ? values_[row]->text() : QString(); }

}  // namespace feld::gui
