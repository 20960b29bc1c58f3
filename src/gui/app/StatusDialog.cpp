#include "gui/app/StatusDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "base/SizeText.h"
#include "base/Texts.h"
#include "gui/app/QtUi.h"

namespace feld::gui {

namespace {

QLabel* value(QWidget* parent, const QString& name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(110);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QGroupBox* drive(QWidget* parent, const QString& title, const QString& prefix)
{
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    const QString labels[] = {qtk("status.total", "全部空間:"), qtk("status.used", "使用空間:"), qtk("status.free", "剩餘空間:")};
    const QString names[] = {prefix + QStringLiteral("Total"), prefix + QStringLiteral("Used"), prefix + QStringLiteral("Free")};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(labels[i], box), i, 0);
        grid->addWidget(value(box, names[i]), i, 1);
        auto* readable = new QLabel(qtk("status.bytes", "bytes"), box);
        readable->setObjectName(names[i] + QStringLiteral("Readable"));
        grid->addWidget(readable, i, 2);
    }
    return box;
}

}  // namespace

StatusDialog::StatusDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("StatusDialog"));
    setWindowTitle(qtk("status.title", "終端機狀態"));
    auto* frame = new QGroupBox(qtk("status.terminal", "終端機"), this);
    auto* inner = new QVBoxLayout(frame);
    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(new QLabel(qtk("status.version", "韌體版本:"), frame));
    versionRow->addWidget(value(frame, QStringLiteral("version")));
    versionRow->addStretch(1);
    inner->addLayout(versionRow);
    inner->addWidget(drive(frame, qtk("status.driveC", "磁碟機 C:"), QStringLiteral("c")));
    inner->addWidget(drive(frame, qtk("status.driveD", "磁碟機 D:"), QStringLiteral("d")));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(qtk("status.ok", "確定(&O)"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
}

QLabel* StatusDialog::field(const QString& name) const { return findChild<QLabel*>(name); }

QString StatusDialog::FieldText(const QString& name) const
{
    QLabel* l = field(name);
    return l ? l->text() : QString();
}

void StatusDialog::SetValues(int version, int cTotal, int cUsed, int cFree, int dTotal, int dUsed, int dFree)
{
    field(QStringLiteral("version"))->setText(qs(formatText("%.2f", {version * 0.01})));
    auto fill = [this](const QString& prefix, int total, int used, int free) {
        const bool unformatted = free < 0;
        const QString unf = QStringLiteral("UnFormat");
        field(prefix + QStringLiteral("Total"))->setText(unformatted ? unf : QString::number(total));
        field(prefix + QStringLiteral("Used"))->setText(unformatted ? unf : QString::number(used));
        field(prefix + QStringLiteral("Free"))->setText(unformatted ? unf : QString::number(free));
        // Beside each count of bytes the same size as one reads it: "bytes (1.9 MiB)".
        const std::pair<const char*, int> sizes[] = {{"Total", total}, {"Used", used}, {"Free", free}};
        for (const auto& [name, bytes] : sizes) {
            const QString unit = qtk("status.bytes", "bytes");
            field(prefix + QLatin1String(name) + QStringLiteral("Readable"))
                ->setText(unformatted || bytes < 1024 ? unit
                                                      : unit + QStringLiteral(" (") + qs(ReadableSize(static_cast<std::uint64_t>(bytes))) +
                                                            QLatin1Char(')'));
        }
    };
    fill(QStringLiteral("c"), cTotal, cUsed, cFree);
    fill(QStringLiteral("d"), dTotal, dUsed, dFree);
}

}  // namespace feld::gui
