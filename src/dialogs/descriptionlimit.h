#pragma once

#include <QString>

// The longest description a macro group keeps. The description fields of
// the group dialogs cut longer input, typed or pasted, to this length.
namespace DescriptionLimit {

constexpr int maxLength = 280;

// Whether the text is within the limit.
bool fits(const QString& text);

// The first maxLength characters of the text; one less when the cut would
// split a surrogate pair, so that no half character is left behind.
QString cut(const QString& text);

} // namespace DescriptionLimit
