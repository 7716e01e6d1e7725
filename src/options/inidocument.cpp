// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/inidocument.h"

#include <QStringDecoder>
#include <QStringList>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

#ifdef Q_OS_WIN
constexpr auto kLineEnd = "\r\n";
#else
constexpr auto kLineEnd = "\n";
#endif

bool isHexDigit(char16_t ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

int hexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return ch - 'A' + 10;
}

// UTF-8 as it stands: QString::fromUtf8 drops a leading U+FEFF, which in a key or value (after
// an escape or a quote as easily as anywhere) is a character of the user's text.
QString decodedUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

// "%XX" and "%UXXXX" stand for one character each, a backslash for a slash.
QString unescapedKey(QByteArrayView text)
{
    QString key;
    QByteArray plain;
    const auto flush = [&] {
        key += decodedUtf8(plain);
        plain.clear();
    };
    qsizetype i = 0;
    while (i < text.size()) {
        const char ch = text.at(i);
        if (ch == '\\') {
            plain += '/';
            ++i;
        } else if (ch == '%' && i + 5 < text.size() && text.at(i + 1) == 'U'
            && isHexDigit(text.at(i + 2)) && isHexDigit(text.at(i + 3))
            && isHexDigit(text.at(i + 4)) && isHexDigit(text.at(i + 5))) {
            flush();
            int code = 0;
            for (int j = 2; j < 6; ++j)
                code = code * 16 + hexValue(text.at(i + j));
            key += QChar(char16_t(code));
            i += 6;
        } else if (ch == '%' && i + 2 < text.size() && isHexDigit(text.at(i + 1))
            && isHexDigit(text.at(i + 2))) {
            flush();
            key += QChar(char16_t(hexValue(text.at(i + 1)) * 16 + hexValue(text.at(i + 2))));
            i += 3;
        } else {
            plain += ch;
            ++i;
        }
    }
    flush();
    return key;
}

void chopTrailingBlanks(QString &text, qsizetype limit)
{
    qsizetype end = text.size();
    while (end > limit
        && (text.at(end - 1) == QLatin1Char(' ') || text.at(end - 1) == QLatin1Char('\t')))
        --end;
    text.truncate(end);
}

// The value of a line after its "=": quotes group, C escapes stand for one character, blanks
// around an unquoted value go, and an unquoted comma separates the items of a list.
QStringList unescapedItems(QByteArrayView text)
{
    QStringList items;
    QString current;
    bool quoted = false; // inside quotes
    bool currentWasQuoted = false;
    qsizetype chopLimit = 0;
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text.at(i) == ' ' || text.at(i) == '\t'))
            ++i;
    };
    skipBlanks();
    while (i < text.size()) {
        const char ch = text.at(i);
        if (ch == '\\') {
            ++i;
            if (i >= text.size())
                break;
            const char code = text.at(i++);
            static const char escapes[][2]
                = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'},
                    {'v', '\v'}, {'"', '"'}, {'?', '?'}, {'\'', '\''}, {'\\', '\\'}};
            bool simple = false;
            for (const auto &escape : escapes) {
                if (code == escape[0]) {
                    current += QLatin1Char(escape[1]);
                    simple = true;
                    break;
                }
            }
            if (!simple && code == 'x') {
                char32_t value = 0;
                while (i < text.size() && isHexDigit(text.at(i)))
                    value = value * 16 + char32_t(hexValue(text.at(i++)));
                current += QChar(char16_t(value));
            } else if (!simple && code >= '0' && code <= '7') {
                char32_t value = char32_t(code - '0');
                while (i < text.size() && text.at(i) >= '0' && text.at(i) <= '7')
                    value = value * 8 + char32_t(text.at(i++) - '0');
                current += QChar(char16_t(value));
            }
            chopLimit = current.size();
        } else if (ch == '"') {
            ++i;
            currentWasQuoted = true;
            quoted = !quoted;
            if (!quoted)
                skipBlanks();
        } else if (ch == ',' && !quoted) {
            if (!currentWasQuoted)
                chopTrailingBlanks(current, chopLimit);
            items << current;
            current.clear();
            currentWasQuoted = false;
            chopLimit = 0;
            ++i;
            skipBlanks();
        } else {
            qsizetype end = i + 1;
            while (end < text.size() && text.at(end) != '\\' && text.at(end) != '"'
                && (quoted || text.at(end) != ','))
                ++end;
            current += decodedUtf8(text.sliced(i, end - i));
            i = end;
        }
    }
    if (!currentWasQuoted)
        chopTrailingBlanks(current, chopLimit);
    items << current;
    return items;
}

// QSettings marks typed values with a leading "@"; a text that starts with "@" is written with
// a second one.
QString textOfStoredValue(const QString &stored)
{
    if (!stored.startsWith(QLatin1Char('@')))
        return stored;
    if (stored.startsWith(QLatin1String("@@")))
        return stored.sliced(1);
    if (stored == QLatin1String("@Invalid()"))
        return QString();
    for (const char *wrapper : {"@String(", "@ByteArray("}) {
        const QLatin1String opening(wrapper);
        if (stored.startsWith(opening) && stored.endsWith(QLatin1Char(')')))
            return stored.sliced(opening.size(), stored.size() - opening.size() - 1);
    }
    return stored;
}

QByteArray trimmed(QByteArrayView text)
{
    return text.trimmed().toByteArray();
}

} // namespace

IniDocument::IniDocument(const QByteArray &bytes)
{
    QByteArrayView text(bytes);
    m_startsWithByteOrderMark = text.startsWith(kByteOrderMark);
    if (m_startsWithByteOrderMark)
        text = text.sliced(3);
    m_endsWithLineBreak = text.isEmpty() || text.endsWith('\n') || text.endsWith('\r');
    QString section;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != '\n' && text.at(end) != '\r')
            ++end;
        Line line {text.sliced(start, end - start).toByteArray(), section, std::nullopt};
        // A line ends at a line feed, a carriage return, or the two together.
        start = end;
        if (start < text.size() && text.at(start) == '\r')
            ++start;
        if (start < text.size() && text.at(start) == '\n' && (start == end || start == end + 1))
            ++start;

        const QByteArray content = trimmed(line.text);
        if (content.startsWith('[')) {
            const qsizetype close = content.indexOf(']');
            section = unescapedKey(trimmed(
                QByteArrayView(content).sliced(1, (close < 0 ? content.size() : close) - 1)));
            line.section = section;
        } else if (!content.isEmpty() && !content.startsWith(';') && !content.startsWith('#')) {
            const qsizetype equals = content.indexOf('=');
            if (equals > 0)
                line.key = unescapedKey(trimmed(QByteArrayView(content).first(equals)));
        }
        m_lines << line;
    }
}

QByteArray IniDocument::bytes() const
{
    // Dropping the mark would change the file's meaning where a second one follows it: the
    // line after would read as a section of its own.
    QByteArray text = m_startsWithByteOrderMark ? QByteArray(kByteOrderMark) : QByteArray();
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        text += m_lines.at(i).text;
        if (i + 1 < m_lines.size() || m_endsWithLineBreak)
            text += kLineEnd;
    }
    return text;
}

std::optional<qsizetype> IniDocument::find(const QString &section, const QString &key) const
{
    std::optional<qsizetype> caseBlind;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines.at(i);
        if (!line.key || line.section != section)
            continue;
        if (*line.key == key)
            return i;
        if (!caseBlind && line.key->compare(key, Qt::CaseInsensitive) == 0)
            caseBlind = i;
    }
    return caseBlind;
}

std::optional<QString> IniDocument::value(const QString &section, const QString &key) const
{
    const std::optional<qsizetype> index = find(section, key);
    if (!index)
        return std::nullopt;
    const QByteArray &text = m_lines.at(*index).text;
    const QByteArrayView stored = QByteArrayView(text).sliced(text.indexOf('=') + 1);
    const QStringList items = unescapedItems(stored);
    if (items.size() > 1)
        return items.join(QLatin1String(", "));
    return textOfStoredValue(items.value(0));
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &text)
{
    const std::optional<qsizetype> found = find(section, key);
    const QString spelling = found ? *m_lines.at(*found).key : key;
    Line entry {escapedKey(spelling) + '=' + escapedValue(text), section, spelling};

    if (found) {
        m_lines[*found] = entry;
        // Other spellings of the same key would otherwise shadow or outlive this value.
        for (qsizetype i = m_lines.size() - 1; i >= 0; --i) {
            const Line &line = m_lines.at(i);
            if (i != *found && line.key && line.section == section
                && line.key->compare(key, Qt::CaseInsensitive) == 0)
                m_lines.removeAt(i);
        }
        return;
    }

    // After the last key of the section, or a new section at the end.
    std::optional<qsizetype> last;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines.at(i);
        if (line.section == section && (line.key || trimmed(line.text).startsWith('[')))
            last = i;
    }
    if (last) {
        m_lines.insert(*last + 1, entry);
        return;
    }
    if (!m_lines.isEmpty() && !trimmed(m_lines.last().text).isEmpty())
        m_lines << Line {QByteArray(), m_lines.last().section, std::nullopt};
    m_lines << Line {'[' + escapedKey(section) + ']', section, std::nullopt} << entry;
    m_endsWithLineBreak = true;
}

QByteArray IniDocument::escapedKey(const QString &key)
{
    QByteArray result;
    for (const QChar ch : key) {
        const char16_t code = ch.unicode();
        if (code == '/') {
            result += '\\';
        } else if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z')
            || (code >= '0' && code <= '9') || code == '_' || code == '-' || code == '.') {
            result += char(code);
        } else if (code <= 0xFF) {
            result += '%';
            result += kHexDigits[code / 16];
            result += kHexDigits[code % 16];
        } else {
            result += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                result += kHexDigits[(code >> shift) & 0xF];
        }
    }
    return result;
}

QByteArray IniDocument::escapedValue(const QString &text)
{
    QString stored = text;
    if (stored.contains(QChar::Null))
        stored = QStringLiteral("@String(") + stored + QLatin1Char(')');
    else if (stored.startsWith(QLatin1Char('@')))
        stored.prepend(QLatin1Char('@'));

    QByteArray result;
    QString plain; // characters written as they are, encoded together so pairs stay whole
    const auto flush = [&] {
        result += plain.toUtf8();
        plain.clear();
    };
    bool needsQuotes = false;
    // After a "\x" escape a following hex digit would be read as part of it.
    bool escapeNextIfHexDigit = false;
    for (const QChar ch : std::as_const(stored)) {
        const char16_t code = ch.unicode();
        if (code == ';' || code == ',' || code == '=')
            needsQuotes = true;
        if (escapeNextIfHexDigit && isHexDigit(code)) {
            result += "\\x" + QByteArray::number(code, 16);
            continue;
        }
        escapeNextIfHexDigit = false;
        const char *escape = nullptr;
        switch (code) {
        case '\a':
            escape = "\\a";
            break;
        case '\b':
            escape = "\\b";
            break;
        case '\f':
            escape = "\\f";
            break;
        case '\n':
            escape = "\\n";
            break;
        case '\r':
            escape = "\\r";
            break;
        case '\t':
            escape = "\\t";
            break;
        case '\v':
            escape = "\\v";
            break;
        case '"':
            escape = "\\\"";
            break;
        case '\\':
            escape = "\\\\";
            break;
        default:
            break;
        }
        if (escape) {
            flush();
            result += escape;
        } else if (code == 0) {
            flush();
            result += "\\0";
            escapeNextIfHexDigit = true;
        } else if (code <= 0x1F) {
            flush();
            result += "\\x" + QByteArray::number(code, 16);
            escapeNextIfHexDigit = true;
        } else {
            plain += ch;
        }
    }
    flush();
    if (needsQuotes || result.startsWith(' ') || result.endsWith(' '))
        result = '"' + result + '"';
    return result;
}
