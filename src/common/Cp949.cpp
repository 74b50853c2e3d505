#include "common/Cp949.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace Cp949 {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from))
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("CP949 conversion is not available on this system");
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `input`; an unconvertible or broken sequence becomes `replacement`
    // and the conversion goes on after it.
    QByteArray run(const QByteArray& input, int badSequenceLength, char replacement) const
    {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        QByteArray out;
        out.reserve(input.size() * 2 + 16);
        char* in = const_cast<char*>(input.constData());
        size_t inLeft = size_t(input.size());
        char chunk[4096];
        while (inLeft > 0) {
            char* dst = chunk;
            size_t dstLeft = sizeof chunk;
            const size_t result = iconv(handle_, &in, &inLeft, &dst, &dstLeft);
            out.append(chunk, int(dst - chunk));
            if (result != size_t(-1) || errno == E2BIG)
                continue;
            const size_t skip = std::min(inLeft, size_t(badSequenceLength > 0 ? badSequenceLength : utf8Length(*in)));
            in += skip;
            inLeft -= skip;
            out.append(replacement);
        }
        return out;
    }

private:
    static int utf8Length(char lead)
    {
        const auto byte = static_cast<unsigned char>(lead);
        if (byte >= 0xF0) return 4;
        if (byte >= 0xE0) return 3;
        if (byte >= 0xC0) return 2;
        return 1;
    }
    iconv_t handle_;
};

const Converter& toCp949()
{
    static const Converter converter("CP949", "UTF-8");
    return converter;
}

const Converter& fromCp949()
{
    static const Converter converter("UTF-8", "CP949");
    return converter;
}

int charBytes(const QString& text, int index, int* units)
{
    const bool pair = text.at(index).isHighSurrogate() && index + 1 < text.size();
    *units = pair ? 2 : 1;
    return int(encode(text.mid(index, *units)).size());
}

}

QByteArray encode(const QString& text)
{
    return toCp949().run(text.toUtf8(), 0, '?');
}

QString decode(const QByteArray& bytes)
{
    return QString::fromUtf8(fromCp949().run(bytes, 1, '?'));
}

int byteLength(const QString& text)
{
    return int(encode(text).size());
}

QString cut(const QString& text, int maxBytes)
{
    if (byteLength(text) <= maxBytes)
        return text;
    int used = 0;
    int index = 0;
    while (index < text.size()) {
        int units = 1;
        const int bytes = charBytes(text, index, &units);
        if (used + bytes > maxBytes)
            break;
        used += bytes;
        index += units;
    }
    return text.left(index);
}

QString pad(const QString& text, int bytes)
{
    const QString kept = cut(text, bytes);
    return kept + QString(bytes - byteLength(kept), QLatin1Char(' '));
}

QByteArray padBytes(const QString& text, int bytes)
{
    return encode(pad(text, bytes));
}

}
