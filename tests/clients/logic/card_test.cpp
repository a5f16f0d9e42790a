#include "clients/logic/card.h"

#include <gtest/gtest.h>

#include <QSet>

#include "clients/logic/helppages.h"

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt::clients {
namespace {

// The raw counted bytes of a field at `offset`: length byte and text.
QByteArray counted(const QByteArray& record, int offset) {
    const int length = static_cast<unsigned char>(record[offset]);
    return record.mid(offset + 1, length);
}

// A card whose every text names its own field, so a field that lands at the
// wrong offset or in the wrong control shows by name.
CardTexts namedCard() {
    CardTexts c;
    for (const Binding& b : bindings()) c.*b.member = QString::fromLatin1(b.control).mid(3);
    c.posizione = QStringLiteral("4");
    c.ricontatta = true;
    return c;
}

TEST(Bindings, CoverEveryTextFieldOnceInRecordOrder) {
    QSet<int> fields;
    int previous = -1;
    for (const Binding& b : bindings()) {
        EXPECT_GT(static_cast<int>(b.field), previous) << b.control;
        previous = static_cast<int>(b.field);
        fields.insert(b.field);
    }
    // Every field but Ricontatta, which is the check box.
    EXPECT_EQ(fields.size(), cli::FieldCount - 1);
    EXPECT_FALSE(fields.contains(cli::Ricontatta));
    EXPECT_EQ(QString::fromLatin1(bindings()[kTypedFields - 1].control), QStringLiteral("txtNote"));
    EXPECT_EQ(QString::fromLatin1(bindings()[kTypedFields].control), QStringLiteral("lblFile01"));
}

TEST(Encode, PutsEveryFieldAtItsOffsetAndTheFlag) {
    const ClientRecord record = encode(namedCard());
    const QByteArray bytes = record.bytes();
    ASSERT_EQ(bytes.size(), 3372);
    const struct {
        int offset;
        const char* text;
    } expected[] = {
        {0, "Cliente"},     {51, "DataNasc"},   {82, "ComuneNasc"},    {133, "Pr"},
        {136, "S"},         {138, "Recapito"},  {189, "IndirizzoRes"}, {240, "Pr"},
        {243, "ComuneRes"}, {294, "CapRe"},     {300, "Estremi"},      {551, "TelCasa"},
        {582, "TelUff"},    {613, "TelCel"},    {644, "Fax"},          {675, "Email"},
        {726, "CodFisc"},   {743, "Carta"},     {774, "ScadeCarta"},   {805, "PartitaIva"},
        {817, "Iban"},      {845, "Documento"}, {966, "Occupazione"},  {1017, "Civile"},
        {1068, "Titoli"},   {1189, "Prodotti"}, {1310, "Zona"},        {1361, "Questioni"},
        {1612, "Note"},     {1866, "File01"},   {2117, "File02"},      {2368, "File03"},
        {2619, "Desc01"},   {2870, "Desc02"},   {3121, "Desc03"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(counted(bytes, e.offset), QByteArray(e.text)) << e.offset;
    EXPECT_EQ(bytes.mid(1863, 3), QByteArray("\x02\x53\xEC"));

    CardTexts no = namedCard();
    no.ricontatta = false;
    EXPECT_EQ(encode(no).bytes().mid(1863, 3), QByteArray("\x02\x4E\x6F"));
}

TEST(Encode, TrimsCutsAndReplacesWhatTheFileCannotHold) {
    CardTexts c;
    c.cliente = QStringLiteral("  Citt\u00E0 ") + QString(60, u'x');
    c.provRes = QStringLiteral("rmx");  // a province typed by hand keeps two letters
    c.note = QStringLiteral("\u4E2D \u00E8 \u20AC");
    c.estremi = QString(300, u'b');
    const ClientRecord r = encode(c);
    EXPECT_EQ(r.text(cli::Cliente), (QStringLiteral("Citt\u00E0 ") + QString(60, u'x')).left(50));
    EXPECT_EQ(r.text(cli::ProvRes), QStringLiteral("rm"));
    EXPECT_EQ(r.text(cli::Note), QStringLiteral("? \u00E8 \u20AC"));
    EXPECT_EQ(r.text(cli::Estremi).size(), 250);
}

TEST(Decode, FillsEveryFieldAndThePosition) {
    const CardTexts original = namedCard();
    CardTexts shown;
    decode(encode(original), 7, shown);
    CardTexts expected = original;
    expected.provNasc = expected.provRes = QStringLiteral("Pr");
    expected.sesso = QStringLiteral("S");
    expected.capRes = QStringLiteral("CapRe");
    expected.posizione = QStringLiteral("7");
    EXPECT_EQ(shown, expected);
}

TEST(Decode, UnreadableRicontattaLeavesTheBoxAsItWas) {
    for (const QByteArray& raw : {QByteArray("\x02si", 3), QByteArray("\x02Si", 3),
                                  QByteArray("\x00\x00\x00", 3), QByteArray("\x02S\xCC", 3)}) {
        for (bool before : {false, true}) {
            QByteArray bytes = encode(namedCard()).bytes();
            bytes.replace(1863, 3, raw);
            CardTexts shown;
            shown.ricontatta = before;
            decode(ClientRecord(bytes), 1, shown);
            EXPECT_EQ(shown.ricontatta, before) << raw.toHex().toStdString();
            EXPECT_EQ(shown.cliente, QStringLiteral("Cliente"));
        }
    }
    // "No" clears a ticked box, even behind a length byte past the capacity.
    CardTexts no = namedCard();
    no.ricontatta = false;
    QByteArray bytes = encode(no).bytes();
    bytes[1863] = char(0xFF);
    CardTexts shown;
    shown.ricontatta = true;
    decode(ClientRecord(bytes), 1, shown);
    EXPECT_FALSE(shown.ricontatta);
}

TEST(Decode, SurvivesBadLengthBytesAndAnySexByte) {
    QByteArray bytes = encode(namedCard()).bytes();
    bytes[0] = char(0xFF);  // name length over its capacity: read up to the capacity
    bytes.replace(8, 43, QByteArray(43, 'x'));
    bytes[136] = char(0x01);
    bytes[137] = char(0xE8);  // any byte in Sesso
    bytes[133] = char(0x09);  // province length over 2
    CardTexts shown;
    decode(ClientRecord(bytes), 2, shown);
    EXPECT_EQ(shown.cliente, QStringLiteral("Cliente") + QString(43, u'x'));
    EXPECT_EQ(shown.sesso, QStringLiteral("\u00E8"));
    EXPECT_EQ(shown.provNasc, QStringLiteral("Pr"));
    EXPECT_EQ(shown.dataNasc, QStringLiteral("DataNasc"));
}

TEST(SaveCheck, NeedsANameThatIsNotBlank) {
    CardTexts c;
    EXPECT_EQ(firstFailingCheck(c), kNameMissing);
    c.cliente = QStringLiteral("  \t ");
    EXPECT_EQ(firstFailingCheck(c), kNameMissing);
    c.cliente = QStringLiteral(" Rossi ");
    EXPECT_EQ(firstFailingCheck(c), std::nullopt);
    EXPECT_EQ(kNameMissing,
              QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il nome "
                             "del pagatore o beneficiario."));
}

TEST(Duplicate, KeepsEverythingButAttachmentsAndPosition) {
    CardTexts c = namedCard();
    CardTexts expected = c;
    ASSERT_TRUE(duplicate(c));
    expected.file01 = expected.file02 = expected.file03 = QString();
    expected.desc01 = expected.desc02 = expected.desc03 = QString();
    expected.posizione = QString();
    EXPECT_EQ(c, expected);
    // A new card cannot be duplicated and is left alone.
    CardTexts fresh = namedCard();
    fresh.posizione = QStringLiteral(" ");
    const CardTexts before = fresh;
    EXPECT_FALSE(duplicate(fresh));
    EXPECT_EQ(fresh, before);
}

TEST(TypingRules, CodesAreTrimmedAtTheEndsAndUpperCased) {
    const struct {
        QString typed, code, upper, email;
    } cases[] = {
        {QStringLiteral(" rssmra80a01h501u "), QStringLiteral("RSSMRA80A01H501U"),
         QStringLiteral(" RSSMRA80A01H501U "), QStringLiteral("rssmra80a01h501u")},
        {QStringLiteral("ab cd"), QStringLiteral("AB CD"), QStringLiteral("AB CD"),
         QStringLiteral("ab cd")},
        {QStringLiteral("rmx"), QStringLiteral("RMX"), QStringLiteral("RMX"),
         QStringLiteral("rmx")},
        {QStringLiteral("\u00e8"), QStringLiteral("\u00c8"), QStringLiteral("\u00c8"),
         QStringLiteral("\u00e8")},
        {QString(), QString(), QString(), QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(codeText(c.typed), c.code);
        EXPECT_EQ(upperText(c.typed), c.upper);
        EXPECT_EQ(emailText(c.typed), c.email);
    }
}

TEST(Mail, OpensAMessageEvenWithoutAnAddress) {
    EXPECT_EQ(mailTarget(QStringLiteral(" a@b.it ")), QStringLiteral("\"mailto:a@b.it\""));
    EXPECT_EQ(mailTarget(QString()), QStringLiteral("\"mailto:\""));
}

TEST(Provinces, OfferTheCodesInOrder) {
    const QStringList& codes = provinceCodes();
    ASSERT_EQ(codes.size(), 112);
    EXPECT_EQ(codes.front(), QStringLiteral("AG"));
    EXPECT_EQ(codes.back(), QStringLiteral("VV"));
    for (qsizetype i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(codes[i].size(), 2) << i;
        if (i > 0) {
            EXPECT_LT(codes[i - 1], codes[i]) << i;
        }
    }
    EXPECT_TRUE(codes.contains(QStringLiteral("EE")));
    EXPECT_TRUE(codes.contains(QStringLiteral("MD")));
}

TEST(Help, HasTheTitleAndEightParagraphs) {
    const HelpPage page = clientsCardHelpPage();
    EXPECT_EQ(page.title, QStringLiteral("Applicazione Pagatori e Beneficiari."));
    const QStringList paragraphs = page.text.split(kHelpBreak);
    ASSERT_EQ(paragraphs.size(), 8);
    EXPECT_TRUE(paragraphs[0].startsWith(
        QStringLiteral("L'applicazione Pagatori e Beneficiari \u00E8 utile")));
    EXPECT_TRUE(paragraphs[0].endsWith(
        QStringLiteral("del numero di carta di credito e del codice IBAN.")));
    ASSERT_FALSE(clientsHelpPages().isEmpty());
    EXPECT_EQ(clientsHelpPages().front().title, page.title);
}

}  // namespace
}  // namespace vt::clients
