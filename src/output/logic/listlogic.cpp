#include "output/logic/listlogic.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vt::list {

QString foldAZ(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + (u'a' - u'A'));
    return out;
}

namespace {
inline char16_t folded(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? static_cast<char16_t>(u + (u'a' - u'A')) : u;
}
}  // namespace

bool lessAZ(const QString& a, const QString& b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = folded(a[i]);
        const char16_t y = folded(b[i]);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

namespace {
// The stable sorted order of `count` texts given by `textAt`. Each text's key
// is folded once, as big-endian UTF-16 bytes, so that a plain byte
// comparison gives the order of the code units.
template <typename TextAt>
std::vector<qsizetype> sortedOrder(qsizetype count, TextAt textAt) {
    std::vector<QByteArray> keys;
    keys.reserve(static_cast<std::size_t>(count));
    for (qsizetype i = 0; i < count; ++i) {
        const QString& line = textAt(i);
        QByteArray key(line.size() * 2, Qt::Uninitialized);
        char* out = key.data();
        for (QChar c : line) {
            const char16_t u = folded(c);
            *out++ = static_cast<char>(u >> 8);
            *out++ = static_cast<char>(u & 0xFF);
        }
        keys.push_back(std::move(key));
    }
    std::vector<qsizetype> order(static_cast<std::size_t>(count));
    for (qsizetype i = 0; i < count; ++i) order[static_cast<std::size_t>(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        const QByteArray& x = keys[static_cast<std::size_t>(a)];
        const QByteArray& y = keys[static_cast<std::size_t>(b)];
        const int c = std::memcmp(x.constData(), y.constData(),
                                  static_cast<std::size_t>(std::min(x.size(), y.size())));
        return c < 0 || (c == 0 && x.size() < y.size());
    });
    return order;
}

template <typename List>
void reorder(List& items, const std::vector<qsizetype>& order) {
    List sorted;
    sorted.reserve(items.size());
    for (qsizetype i : order) sorted.append(std::move(items[i]));
    items = std::move(sorted);
}
}  // namespace

void sortLines(QStringList& lines) {
    reorder(lines,
            sortedOrder(lines.size(), [&](qsizetype i) -> const QString& { return lines[i]; }));
}

void sortLines(ListLines& lines) {
    reorder(lines, sortedOrder(lines.size(),
                               [&](qsizetype i) -> const QString& { return lines[i].text; }));
}

QStringList lineTexts(const ListLines& lines) {
    QStringList out;
    out.reserve(lines.size());
    for (const ListLine& line : lines) out.append(line.text);
    return out;
}

QString fixedWidth(const QString& text, int width) {
    if (text.size() >= width) return text.left(width);
    return text + QString(width - text.size(), u' ');
}

void appendFixed(QString& line, QStringView text, qsizetype width) {
    const qsizetype used = std::min(text.size(), width);
    line.append(text.left(used));
    if (used < width) line.resize(line.size() + width - used, u' ');
}

FindOutcome findNext(const QStringList& lines, int selected, const QString& typedKey,
                     QString& lastKey, FindCase findCase) {
    FindOutcome outcome;
    if (lines.isEmpty()) {
        outcome.emptyList = true;
        return outcome;
    }
    const int count = static_cast<int>(lines.size());
    if (selected < 0 || selected >= count) {
        selected = 0;
        outcome.select = 0;
    }
    const auto fold = [findCase](const QString& text) {
        return findCase == FindCase::AToZ ? foldAZ(text) : text.toLower();
    };
    const QString key = fold(typedKey);
    auto test = [&](int i) { return !key.isEmpty() && fold(lines[i]).contains(key); };
    int found = -1;
    int start = 0;
    if (key != lastKey) {
        start = 0;
        if (test(0)) found = 0;
    } else {
        start = selected;
    }
    int i = start;
    while (found < 0) {
        i = (i + 1) % count;
        if (test(i)) found = i;
        if (i == start) break;
    }
    if (found >= 0) outcome.select = found;
    lastKey = key;
    return outcome;
}

QString emptyListNotice() {
    return QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
}

}  // namespace vt::list
