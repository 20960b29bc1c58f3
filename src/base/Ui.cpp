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

}  // namespace feld
