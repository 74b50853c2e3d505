#pragma once
#include <QByteArray>
#include <QString>

// The text files the program exchanges (notices, transfer files, fixed-width
// applications) are CP949. Widths there are counted in CP949 bytes: a Hangul
// syllable takes two, ASCII one. A cut never splits a character; a character
// CP949 cannot hold is written as "?".
namespace Cp949 {
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);
int byteLength(const QString& text);
QString cut(const QString& text, int maxBytes);        // the longest prefix of at most maxBytes
QString pad(const QString& text, int bytes);            // cut, then blanks up to exactly `bytes`
QByteArray padBytes(const QString& text, int bytes);   // the same, already encoded
}
