#include "descriptionlimit.h"

namespace DescriptionLimit {

bool fits(const QString& text)
{
    return text.size() <= maxLength;
}

QString cut(const QString& text)
{
    if (fits(text))
        return text;
    int length = maxLength;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

} // namespace DescriptionLimit
