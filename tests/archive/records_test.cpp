#include <gtest/gtest.h>

#include <random>

#include "archive/codec.h"
#include "archive/records.h"

namespace vt {
namespace {

TEST(Layouts, RecordLengthsAndOffsets) {
    EXPECT_EQ(MovementRecord().bytes().size(), 3414);
    EXPECT_EQ(CausaleRecord().bytes().size(), 1628);
    EXPECT_EQ(ClientRecord().bytes().size(), 3372);
    EXPECT_EQ(MovementRecord::fieldSpec(mov::Importo).offset, 534);
    EXPECT_EQ(MovementRecord::fieldSpec(mov::Desc03).offset, 3163);
    EXPECT_EQ(CausaleRecord::fieldSpec(cau::Tariffa).offset, 1377);
    EXPECT_EQ(ClientRecord::fieldSpec(cli::Ricontatta).offset, 1863);
    EXPECT_EQ(ClientRecord::fieldSpec(cli::Iban).capacity, 27);
}

TEST(Fields, WrittenAsCountedWindows1252) {
    MovementRecord r;
    r.setText(mov::Causale, QStringLiteral("  Caff\u00E8 \u20AC 5\t"));
    const QByteArray& b = r.bytes();
    const int at = MovementRecord::fieldSpec(mov::Causale).offset;
    EXPECT_EQ(static_cast<unsigned char>(b[at]), 9);
    EXPECT_EQ(b.mid(at + 1, 9), QByteArray("Caff\xE8 \x80 5"));
    EXPECT_EQ(r.text(mov::Causale), QStringLiteral("Caff\u00E8 \u20AC 5"));
}

TEST(Fields, FlagsAreExactBytes) {
    MovementRecord r;
    r.setFlag(mov::Entrata, true);
    r.setFlag(mov::Uscita, false);
    EXPECT_EQ(r.bytes().mid(0, 3), QByteArray("\x02S\xEC"));
    EXPECT_EQ(r.bytes().mid(3, 3), QByteArray("\x02No"));
    EXPECT_EQ(r.flag(mov::Entrata), Flag::Yes);
    EXPECT_EQ(r.flag(mov::Uscita), Flag::No);
}

TEST(Fields, FlagsOtherThanYesOrNoAreUnknown) {
    for (const char* text : {"si", "Si", "s\xC3\xAC", "", "NO", "x"}) {
        MovementRecord r;
        r.setText(mov::Saldato, QString::fromUtf8(text));
        EXPECT_EQ(r.flag(mov::Saldato), Flag::Unknown) << text;
    }
}

TEST(Fields, LongTextIsCutToCapacity) {
    MovementRecord r;
    r.setText(mov::Causale, QString(300, u'x'));
    r.setText(mov::Pagatore, QString(60, u'y'));
    EXPECT_EQ(r.text(mov::Causale), QString(250, u'x'));
    EXPECT_EQ(r.text(mov::Pagatore), QString(50, u'y'));
    // The neighbour field is untouched.
    EXPECT_EQ(r.text(mov::RecapitoPag), QString());
}

TEST(Fields, UnrepresentableCharacterBecomesReplacement) {
    MovementRecord r;
    r.setText(mov::Note, QStringLiteral("a\u2603b\U0001F600c"));
    EXPECT_EQ(r.text(mov::Note), QStringLiteral("a?b?c"));
    EXPECT_EQ(toCp1252(QStringLiteral("\u0141\u00E0")), QByteArray("?\xE0"));
}

TEST(Fields, LengthByteBeyondCapacityReadsAtMostTheCapacity) {
    QByteArray bytes(3414, 'Z');
    bytes[MovementRecord::fieldSpec(mov::Preavviso).offset] = static_cast<char>(255);
    const MovementRecord r(bytes);
    EXPECT_EQ(r.text(mov::Preavviso), QStringLiteral("ZZZ"));
}

TEST(Fields, RandomBytesNeverReadPastTheField) {
    std::mt19937 random(12345);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(3372, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        const ClientRecord r(bytes);
        for (int f = 0; f < cli::FieldCount; ++f) {
            const auto field = static_cast<cli::Field>(f);
            EXPECT_LE(r.text(field).size(), ClientRecord::fieldSpec(field).capacity);
        }
    }
    // A record cut short is read without going past its end.
    EXPECT_EQ(readField(QByteArray("\x05" "ab", 3), FieldSpec{"x", 0, 10}), QStringLiteral("ab"));
    EXPECT_EQ(readField(QByteArray(), FieldSpec{"x", 4, 10}), QString());
}

TEST(Fields, ReadingTrimsBlanksAndControlCharacters) {
    QByteArray bytes(1628, '\0');
    const QByteArray text("\x01 Affitto \r\n");
    bytes[6] = static_cast<char>(text.size());
    bytes.replace(7, text.size(), text);
    EXPECT_EQ(CausaleRecord(bytes).text(cau::Causale), QStringLiteral("Affitto"));
}

}  // namespace
}  // namespace vt
