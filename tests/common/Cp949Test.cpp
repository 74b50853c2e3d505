#include "common/Cp949.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp949, EncodesHangulInTwoBytesAndAsciiInOne)
{
    EXPECT_EQ(Cp949::encode(QStringLiteral("가")), QByteArray("\xB0\xA1"));
    EXPECT_EQ(Cp949::byteLength(QStringLiteral("홍길동")), 6);
    EXPECT_EQ(Cp949::byteLength(QStringLiteral("A1 홍")), 5);
    EXPECT_EQ(Cp949::byteLength(QString()), 0);
    const QString mixed = QStringLiteral("태권도 Taekwondo ☆ 2009-03-05");
    EXPECT_EQ(Cp949::decode(Cp949::encode(mixed)), mixed);
}

TEST(Cp949, WritesWhatItCannotHoldAsQuestionMarks)
{
    // An emoji (a surrogate pair) has no CP949 form; the text around it survives.
    EXPECT_EQ(Cp949::encode(QStringLiteral("가") + QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("나")),
              QByteArray("\xB0\xA1?\xB3\xAA"));
    EXPECT_EQ(Cp949::decode(QByteArray("A\xFF" "B")), QStringLiteral("A?B"));
}

struct CutCase {
    const char* text;
    int bytes;
    const char* cut;
    const char* padded;
};

TEST(Cp949, CutAndPadNeverSplitACharacter)
{
    const CutCase cases[] = {
        {"홍길동", 6, "홍길동", "홍길동"},
        {"홍길동", 5, "홍길", "홍길 "},
        {"홍길동", 1, "", " "},
        {"홍길동", 0, "", ""},
        {"A홍", 2, "A", "A "},
        {"AB", 5, "AB", "AB   "},
        {"", 3, "", "   "},
        {"김 A", 3, "김 ", "김 "},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(Cp949::cut(text, c.bytes), QString::fromUtf8(c.cut)) << c.text << " " << c.bytes;
        EXPECT_EQ(Cp949::pad(text, c.bytes), QString::fromUtf8(c.padded)) << c.text << " " << c.bytes;
        EXPECT_EQ(Cp949::padBytes(text, c.bytes).size(), c.bytes) << c.text;
    }
}

}
