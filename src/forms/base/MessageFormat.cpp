#include "MessageFormat.h"

namespace ktr {

std::optional<QString> formatMessage(const QString &pattern, const QStringList &args)
{
    QString out;
    int next = 0;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c != '%') {
            out += c;
            continue;
        }
        if (++i >= pattern.size())
            return std::nullopt;
        if (pattern.at(i) == '%') {
            out += '%';
            continue;
        }
        // Optional "index:" before the letter.
        int j = i;
        while (j < pattern.size() && pattern.at(j).isDigit())
            ++j;
        int index = next;
        if (j < pattern.size() && pattern.at(j) == ':' && j > i) {
            index = pattern.mid(i, j - i).toInt();
            i = j + 1;
        }
        if (i >= pattern.size() || index >= args.size())
            return std::nullopt;
        const QChar kind = pattern.at(i).toLower();
        const QString &arg = args.at(index);
        if (kind == 's') {
            out += arg;
        } else if (kind == 'd') {
            bool ok = false;
            const qlonglong n = arg.trimmed().toLongLong(&ok);
            if (!ok)
                return std::nullopt;
            out += QString::number(n);
        } else {
            return std::nullopt;
        }
        next = index + 1;
    }
    return out;
}

} // namespace ktr
