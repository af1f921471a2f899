#include "KtGlyphs.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QString>

#include <array>
#include <mutex>

namespace {

// The numbers that have a picture, ascending; keep in step with pictures/ and glyphs.qrc.
constexpr std::array kGlyphNumbers{1, 2, 3, 4, 5, 6, 8, 9, 11, 12, 13, 14, 15,
                                   21, 22, 23, 24, 25, 39, 40, 47, 78, 81};

QString resourceOf(int index)
{
    return QStringLiteral(":/ktrglyphs/%1.png").arg(index, 3, 10, QLatin1Char('0'));
}

} // namespace

extern "C" {

int GetMaxBmpID()
{
    return kGlyphNumbers.back();
}

bool LoadBmp(QImage *bitmap, int index)
{
    if (!bitmap || index < 1 || index > GetMaxBmpID())
        return false;
    try {
        // Pictures are decoded once; copies of a QImage share its data.
        static std::mutex mutex;
        static QHash<int, QImage> decoded;
        std::lock_guard lock(mutex);
        auto it = decoded.find(index);
        if (it == decoded.end()) {
            QImage picture(resourceOf(index), "PNG");
            if (picture.isNull())
                return false;
            it = decoded.insert(index, picture.convertToFormat(QImage::Format_RGB32));
        }
        *bitmap = *it;
        return true;
    } catch (...) {
        return false;
    }
}

}
