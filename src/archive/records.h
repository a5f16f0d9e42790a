#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstddef>
#include <span>

namespace vt {

// One field of a fixed record: a counted string of `capacity` bytes, stored
// as a length byte followed by `capacity` bytes of Windows-1252 text.
struct FieldSpec {
    const char* name;
    int offset;
    int capacity;
};

struct RecordLayout {
    int length;
    std::span<const FieldSpec> fields;
};

constexpr bool fieldsChain(std::span<const FieldSpec> fields, int length) {
    int next = 0;
    for (const auto& f : fields) {
        if (f.offset != next) return false;
        next = f.offset + f.capacity + 1;
    }
    return next == length;
}

// The trimmed text of a counted field. Never reads past the field, whatever
// the length byte says.
QString readField(QByteArrayView record, const FieldSpec& field);

// The raw counted bytes of a field (no conversion, no trimming), clamped to
// its capacity.
QByteArrayView rawField(QByteArrayView record, const FieldSpec& field);

// Trims, converts to Windows-1252 and cuts to the capacity. Bytes after the
// counted text are zeroed.
void writeField(QByteArray& record, const FieldSpec& field, const QString& text);

// The two texts of a YesNoFlag.
inline const QString kYes = QStringLiteral("S\u00EC");
inline const QString kNo = QStringLiteral("No");

enum class Flag { Yes, No, Unknown };
Flag readFlag(QByteArrayView record, const FieldSpec& field);
void writeFlag(QByteArray& record, const FieldSpec& field, bool yes);

// A record of one layout, held as its bytes; fields are addressed by the
// layout's enum.
template <const RecordLayout& L, typename FieldEnum>
class Record {
public:
    using Field = FieldEnum;
    static constexpr const RecordLayout& layout = L;

    Record() : bytes_(L.length, '\0') {}
    explicit Record(QByteArray bytes) : bytes_(std::move(bytes)) { bytes_.resize(L.length, '\0'); }

    QString text(Field f) const { return readField(bytes_, fieldSpec(f)); }
    void setText(Field f, const QString& value) { writeField(bytes_, fieldSpec(f), value); }
    Flag flag(Field f) const { return readFlag(bytes_, fieldSpec(f)); }
    void setFlag(Field f, bool yes) { writeFlag(bytes_, fieldSpec(f), yes); }

    const QByteArray& bytes() const { return bytes_; }
    static const FieldSpec& fieldSpec(Field f) { return L.fields[static_cast<std::size_t>(f)]; }

private:
    QByteArray bytes_;
};

// ---- Year file: one movement per record -----------------------------------

namespace mov {
enum Field {
    Entrata, Uscita, Data, Causale, Promemoria, DataSca, Preavviso, Importo, ImportoSegnato,
    Pagatore, RecapitoPag, CodFisc, PartitaIva, Categoria, Email, Pagamento, Beneficiario,
    RecapitoBen, Ricevuta, Note, Tariffa, Saldato, File01, File02, File03, Desc01, Desc02, Desc03,
    FieldCount
};
inline constexpr std::array<FieldSpec, FieldCount> kFields{{
    {"Entrata", 0, 2},        {"Uscita", 3, 2},        {"Data", 6, 10},
    {"Causale", 17, 250},     {"Promemoria", 268, 250}, {"DataSca", 519, 10},
    {"Preavviso", 530, 3},    {"Importo", 534, 15},    {"ImportoSegnato", 550, 15},
    {"Pagatore", 566, 50},    {"RecapitoPag", 617, 50}, {"CodFisc", 668, 16},
    {"PartitaIva", 685, 11},  {"Categoria", 697, 50},  {"Email", 748, 50},
    {"Pagamento", 799, 250},  {"Beneficiario", 1050, 50}, {"RecapitoBen", 1101, 50},
    {"Ricevuta", 1152, 250},  {"Note", 1403, 250},     {"Tariffa", 1654, 250},
    {"Saldato", 1905, 2},     {"File01", 1908, 250},   {"File02", 2159, 250},
    {"File03", 2410, 250},    {"Desc01", 2661, 250},   {"Desc02", 2912, 250},
    {"Desc03", 3163, 250},
}};
inline constexpr int kLength = 3414;
static_assert(fieldsChain(kFields, kLength));
inline constexpr RecordLayout kLayout{kLength, kFields};
}  // namespace mov

using MovementRecord = Record<mov::kLayout, mov::Field>;

// ---- Causali.pro ----------------------------------------------------------

namespace cau {
enum Field {
    Entrata, Uscita, Causale, Promemoria, Importo, ImportoSegnato, Pagatore, RecapitoPag, CodFisc,
    PartitaIva, Categoria, Email, Pagamento, Beneficiario, RecapitoBen, Note, Tariffa,
    FieldCount
};
inline constexpr std::array<FieldSpec, FieldCount> kFields{{
    {"Entrata", 0, 2},       {"Uscita", 3, 2},         {"Causale", 6, 250},
    {"Promemoria", 257, 250}, {"Importo", 508, 15},    {"ImportoSegnato", 524, 15},
    {"Pagatore", 540, 50},   {"RecapitoPag", 591, 50}, {"CodFisc", 642, 16},
    {"PartitaIva", 659, 11}, {"Categoria", 671, 50},   {"Email", 722, 50},
    {"Pagamento", 773, 250}, {"Beneficiario", 1024, 50}, {"RecapitoBen", 1075, 50},
    {"Note", 1126, 250},     {"Tariffa", 1377, 250},
}};
inline constexpr int kLength = 1628;
static_assert(fieldsChain(kFields, kLength));
inline constexpr RecordLayout kLayout{kLength, kFields};
}  // namespace cau

using CausaleRecord = Record<cau::kLayout, cau::Field>;

// ---- Clienti.pro ----------------------------------------------------------

namespace cli {
enum Field {
    Cliente, DataNasc, ComuneNasc, ProvNasc, Sesso, Recapito, IndirizzoRes, ProvRes, ComuneRes,
    CapRes, Estremi, TelCasa, TelUff, TelCel, Fax, Email, CodFisc, Carta, ScadeCarta, PartitaIva,
    Iban, Documento, Occupazione, Civile, Titoli, Prodotti, Zona, Questioni, Note, Ricontatta,
    File01, File02, File03, Desc01, Desc02, Desc03,
    FieldCount
};
inline constexpr std::array<FieldSpec, FieldCount> kFields{{
    {"Cliente", 0, 50},        {"DataNasc", 51, 30},     {"ComuneNasc", 82, 50},
    {"ProvNasc", 133, 2},      {"Sesso", 136, 1},        {"Recapito", 138, 50},
    {"IndirizzoRes", 189, 50}, {"ProvRes", 240, 2},      {"ComuneRes", 243, 50},
    {"CapRes", 294, 5},        {"Estremi", 300, 250},    {"TelCasa", 551, 30},
    {"TelUff", 582, 30},       {"TelCel", 613, 30},      {"Fax", 644, 30},
    {"Email", 675, 50},        {"CodFisc", 726, 16},     {"Carta", 743, 30},
    {"ScadeCarta", 774, 30},   {"PartitaIva", 805, 11},  {"Iban", 817, 27},
    {"Documento", 845, 120},   {"Occupazione", 966, 50}, {"Civile", 1017, 50},
    {"Titoli", 1068, 120},     {"Prodotti", 1189, 120},  {"Zona", 1310, 50},
    {"Questioni", 1361, 250},  {"Note", 1612, 250},      {"Ricontatta", 1863, 2},
    {"File01", 1866, 250},     {"File02", 2117, 250},    {"File03", 2368, 250},
    {"Desc01", 2619, 250},     {"Desc02", 2870, 250},    {"Desc03", 3121, 250},
}};
inline constexpr int kLength = 3372;
static_assert(fieldsChain(kFields, kLength));
inline constexpr RecordLayout kLayout{kLength, kFields};
}  // namespace cli

using ClientRecord = Record<cli::kLayout, cli::Field>;

}  // namespace vt
