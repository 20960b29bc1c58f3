// The program's own texts (Traditional Chinese), by id, built from the list in TextIds.h.
#include "base/TextIds.h"
#include "base/Texts.h"

#include <cstddef>
#include <iterator>

namespace feld {
namespace {

struct Entry {
    int id;
    const char* text;
};

constexpr Entry kTexts[] = {
#define FELD_TEXT_ENTRY(name, id, text) {id, text},
    FELD_TEXTS(FELD_TEXT_ENTRY)
#undef FELD_TEXT_ENTRY
};

// A language pack stores a text under its id, so no two texts may share one.
constexpr bool IdsAscend()
{
    for (std::size_t i = 1; i < std::size(kTexts); ++i)
        if (kTexts[i - 1].id >= kTexts[i].id)
            return false;
    return true;
}
static_assert(IdsAscend(), "every text has an id of its own, listed in ascending order");

}  // namespace

const char* builtinText(int id)
{
    for (const auto& e : kTexts)
        if (e.id == id)
            return e.text;
    return nullptr;
}

}  // namespace feld
