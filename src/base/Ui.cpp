#include "base/Ui.h"

namespace feld {

void Ui::message(int id, Icon icon, std::initializer_list<TextArg> args)
{
    showMessage(id, TextCatalog::instance().format(id, args), icon);
}

void Ui::fixedMessage(const std::string& text, Icon icon)
{
    showMessage(0, text, icon);
}

Answer Ui::question(int id, Buttons buttons, Icon icon, std::initializer_list<TextArg> args)
{
    return ask(id, TextCatalog::instance().format(id, args), buttons, icon);
}

OverwriteQuestion::Reply OverwriteQuestion::Ask(Ui& ui, int id, std::initializer_list<TextArg> args)
{
    if (cancelled_)
        return Reply::Cancel;
    if (forAll_)
        return *forAll_;
    if (!many_)
        return accepted(ui.question(id, Buttons::OkCancel, Icon::Question, args)) ? Reply::Replace : Reply::Skip;
    switch (ui.question(id, Buttons::YesAllNoAllCancel, Icon::Question, args)) {
    case Answer::Yes:
    case Answer::Ok: return Reply::Replace;
    case Answer::YesToAll: return *(forAll_ = Reply::Replace);
    case Answer::No: return Reply::Skip;
    case Answer::NoToAll: return *(forAll_ = Reply::Skip);
    case Answer::Cancel: break;
    }
    cancelled_ = true;
    return Reply::Cancel;
}

}  // namespace feld
