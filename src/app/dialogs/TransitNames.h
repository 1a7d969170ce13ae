// The transitions as the settings dialog lists them, in the user's language.
#pragma once

#include <QStringList>

namespace qor {

// The display names of the transition table, in its order, translated.
QStringList TransitDisplayNames();

} // namespace qor
