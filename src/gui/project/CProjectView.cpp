#include "gui/project/CProjectView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/Texts.h"
#include "base/Ui.h"
#include "gui/app/Icons.h"
#include "gui/app/QtUi.h"
#include "session/Config.h"

namespace feld::gui {

namespace {

// The four groups under each root, in the order they stand.
enum Group { kProgram, kFont, kLookup, kData };

QToolButton* bigButton(const QString& name, const QIcon& icon, const QString& text, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(icon);
    b->setIconSize(QSize(40, 40));
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setMinimumWidth(96);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return b;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

// A file item under a group, for a path whose file-name part is not empty.
void addFile(QTreeWidgetItem* group, const std::string& path)
{
    const std::string name = ProjectFileName(path);
    if (!name.empty())
        new QTreeWidgetItem(group, QStringList(qs(name)));
}

}  // namespace

CProjectView::CProjectView(Config& config, QtUi& ui, QWidget* parent) : QWidget(parent), config_(config), ui_(ui)
{
    setObjectName(QStringLiteral("CProjectView"));
    projectsLabel_ = new QLabel(qtr(txt::kProjectsLabel), this);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("projectTree"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);

    buttons_ = {button(QStringLiteral("add"), qtr(txt::kAddLabel), this),
                button(QStringLiteral("remove"), qtr(txt::kRemoveLabel), this),
                bigButton(QStringLiteral("status"), icons::status(), qtr(txt::kStatusLabel), this),
                bigButton(QStringLiteral("send"), icons::send(), qtr(txt::kSendLabel), this),
                bigButton(QStringLiteral("receive"), icons::receive(), qtr(txt::kReceiveLabel), this),
                bigButton(QStringLiteral("setup"), icons::setup(), qtr(txt::kSetupLabel), this),
                button(QStringLiteral("about"), qtr(txt::kAboutLabel), this)};
    onlyChanged_ = new QCheckBox(qs(tk("project.onlyChanged", "Send only changed files")), this);
    onlyChanged_->setObjectName(QStringLiteral("onlyChanged"));
    onlyChanged_->setToolTip(qs(tk("project.onlyChangedTip",
                                   "Skip each file the terminal already holds with the same name, size, date and time")));
    onlyChanged_->setChecked(config_.sendOnlyChanged != 0);
    connect(onlyChanged_, &QCheckBox::toggled, this, [this](bool on) { config_.sendOnlyChanged = on ? 1 : 0; });
    // Send takes the whole list, not the project chosen in it.
    ButtonOf(Button::Send)->setToolTip(qtk("project.sendTip", "Sends every project of the list to the terminal, in the list's order"));
    connect(ButtonOf(Button::Add), &QAbstractButton::clicked, this, &CProjectView::Add);
    connect(ButtonOf(Button::Remove), &QAbstractButton::clicked, this, &CProjectView::Remove);
    connect(ButtonOf(Button::Status), &QAbstractButton::clicked, this, &CProjectView::statusRequested);
    connect(ButtonOf(Button::Send), &QAbstractButton::clicked, this, &CProjectView::sendRequested);
    connect(ButtonOf(Button::Receive), &QAbstractButton::clicked, this, &CProjectView::receiveRequested);
    connect(ButtonOf(Button::Setup), &QAbstractButton::clicked, this, &CProjectView::setupRequested);
    connect(ButtonOf(Button::About), &QAbstractButton::clicked, this, &CProjectView::aboutRequested);

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(ButtonOf(Button::Add));
    listButtons->addWidget(ButtonOf(Button::Remove));
    listButtons->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(projectsLabel_);
    left->addWidget(tree_, 1);
    left->addLayout(listButtons);
    auto* right = new QVBoxLayout;
    for (Button b : {Button::Status, Button::Send, Button::Receive, Button::Setup}) {
        right->addWidget(ButtonOf(b));
        if (b == Button::Send)
            right->addWidget(onlyChanged_);
    }
    right->addStretch(1);
    right->addWidget(ButtonOf(Button::About));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addSpacing(8);
    layout->addLayout(right);

    Reset();
    LoadHandedOver();
}

QAbstractButton* CProjectView::ButtonOf(Button which) const { return buttons_.at(static_cast<int>(which)); }

void CProjectView::SetBusy(bool busy)
{
    for (Button b : {Button::Status, Button::Send, Button::Receive, Button::Setup})
        ButtonOf(b)->setEnabled(!busy);
}

std::vector<ProjectEntry> CProjectView::Projects() const
{
    std::vector<ProjectEntry> out;
    for (int i = 0; i < list_.Count(); ++i)
        out.push_back(list_.At(i));
    return out;
}

QTreeWidgetItem* CProjectView::AddRoot(const QString& text)
{
    auto* root = new QTreeWidgetItem(tree_, QStringList(text));
    for (int id : {txt::kProgramGroup, txt::kFontGroup, txt::kLookupGroup, txt::kDataGroup})
        new QTreeWidgetItem(root, QStringList(qtr(id)));
    root->setExpanded(true);
    return root;
}

void CProjectView::ShowPlaceholder() { AddRoot(qtr(txt::kProjectGroup)); }

void CProjectView::Reset()
{
    list_.Reset();
    tree_->clear();
    ShowPlaceholder();
}

void CProjectView::LoadHandedOver()
{
    if (config_.handedOverProject.empty())
        return;
    // A Windows path the builder wrote is looked for by its name in the project folder's projects.
    const std::string path = ResolveHandedOverProject(config_.handedOverProject, config_.projectPath);
    if (!path.empty())
        LoadProjectFile(path);
}

bool CProjectView::LoadProjectFile(const std::string& path)
{
    // A file that cannot be read is passed over without a word: the list stays as it was.
    std::optional<ProjectEntry> project = ReadProjectFile(path);
    if (!project)
        return false;
    const bool first = list_.Count() == 0;
    switch (list_.Add(*project)) {
    case ProjectList::Added::Full:
        ui_.message(txt::kTooManyProjects, Icon::Exclamation);
        return false;
    case ProjectList::Added::SameName:
        ui_.message(txt::kProjectAdded, Icon::Exclamation);
        return false;
    case ProjectList::Added::Yes:
        break;
    }
    const QString text = qtr(txt::kProjectGroup) + qs(ProjectName(*project));
    // The first project takes the placeholder's place; the others follow the last root.
    QTreeWidgetItem* root = first && tree_->topLevelItemCount() == 1 ? tree_->topLevelItem(0) : AddRoot(text);
    root->setText(0, text);
    addFile(root->child(kProgram), project->program);
    // The user's font stands before the system font.
    addFile(root->child(kFont), project->userFont);
    addFile(root->child(kFont), project->systemFont);
    for (int i = 0; i < kProjectSlots; ++i) {
        addFile(root->child(kLookup), project->lookups[static_cast<std::size_t>(i)]);
        addFile(root->child(kData), project->dataFiles[static_cast<std::size_t>(i)]);
    }
    for (int g = 0; g < root->childCount(); ++g)
        root->child(g)->setExpanded(true);
    root->setExpanded(true);
    tree_->setCurrentItem(root);
    return true;
}

void CProjectView::Add()
{
    // The limit comes before the file dialog: with ten listed there is nothing to choose.
    if (list_.Full()) {
        ui_.message(txt::kTooManyProjects, Icon::Exclamation);
        return;
    }
    FileRequest request;
    request.title = tk("project.open", "開啟");
    request.filter = "Program File (*.ini) | *.ini ||";
    request.initialName = "*.ini";
    request.initialFolder = config_.projectPath + "Project/";
    request.mustExist = true;
    if (std::optional<std::string> chosen = ui_.chooseFile(request))
        LoadProjectFile(*chosen);
    tree_->setFocus();
}

void CProjectView::Remove()
{
    if (list_.Count() == 0)
        return;  // only the placeholder: nothing to remove
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    QTreeWidgetItem* root = selected.isEmpty() ? nullptr : selected.first();
    if (!root || root->parent()) {
        ui_.message(txt::kSelectProject, Icon::Exclamation);
        tree_->setFocus();
        return;
    }
    // A project without a program has nothing to tell it by: it stays, without a word.
    QTreeWidgetItem* program = root->child(kProgram);
    if (!program || program->childCount() == 0 || program->child(0)->text(0).isEmpty())
        return;
    const int index = tree_->indexOfTopLevelItem(root);
    if (!list_.RemoveAt(index))
        return;
    delete root;
    tree_->setFocus();
    if (list_.Count() == 0)
        Reset();
}

}  // namespace feld::gui
