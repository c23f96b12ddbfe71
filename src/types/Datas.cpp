// Day numbers, competences and time stamps, and their text forms.
#include "NXLDadosGC/types/Datas.h"

#include <charconv>   // std::from_chars
#include <cinttypes>  // PRIx64
#include <cmath>      // std::trunc
#include <cstdio>     // std::snprintf
#include <stdexcept>  // std::invalid_argument

namespace {

constexpr int kAnoMinimo = 1848;
constexpr int kAnoMaximo = 4717;
constexpr std::uint32_t kDmaMinimo = 2;        // 1 January 1848
constexpr std::uint32_t kDmaMaximo = 1048247;  // 31 December 4717
constexpr std::uint16_t kMaMaximo = 34440;     // December 4717
constexpr std::int64_t kSegundosDia = 86400;

// Days before each month in a common year.
constexpr int kDiasAntes[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
// Greatest day of each month, February taken as 29 until the year is known to be common.
constexpr int kDiasMes[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr bool Bissexto(int ano) { return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0; }

// Leap days from year 0 to the year, as the day-number formula counts them.
constexpr int Bissextos(int ano) { return ano / 4 - ano / 100 + ano / 400; }

constexpr int AlargaAno(int ano) {
    if (ano >= 100) return ano;
    return ano < 84 ? 2000 + ano : 1900 + ano;
}

// Day-number formula; the caller has validated and clamped the parts.
constexpr std::uint32_t NumeroDia(int dia, int mes, int ano) {
    int n = (ano - kAnoMinimo) * 365 + kDiasAntes[mes - 1] + dia + Bissextos(ano) - 446;
    if (Bissexto(ano) && mes <= 2) --n;
    return static_cast<std::uint32_t>(n);
}
static_assert(NumeroDia(1, 1, 1848) == kDmaMinimo && NumeroDia(31, 12, 4717) == kDmaMaximo);

// ---- time stamps: two's-complement fields inside the 64-bit integer

constexpr int kBitsLocal = 38;
constexpr int kBitsUtc = 18;
constexpr std::uint64_t kMascaraLocal = (std::uint64_t{1} << kBitsLocal) - 1;
constexpr std::uint64_t kMascaraUtc = ((std::uint64_t{1} << kBitsUtc) - 1) << kBitsLocal;

constexpr std::int64_t EstendeSinal(std::uint64_t campo, int bits) {
    const std::uint64_t sinal = std::uint64_t{1} << (bits - 1);
    return static_cast<std::int64_t>(campo ^ sinal) - static_cast<std::int64_t>(sinal);
}

constexpr std::uint64_t Bits(std::int64_t v) { return static_cast<std::uint64_t>(v); }

// Local seconds of a valid moment, or -1.
constexpr std::int64_t SegundosLocais(REG_NXDMA dma, WORD hora, WORD minuto, WORD segundo) {
    if (dma < kDmaMinimo || dma > kDmaMaximo || hora > 23 || minuto > 59 || segundo > 59) return -1;
    return std::int64_t{dma} * kSegundosDia + hora * 3600 + minuto * 60 + segundo;
}

constexpr bool UtcValido(int horasUtc, WORD minutosUtc) {
    return horasUtc >= -23 && horasUtc <= 23 && minutosUtc <= 59;
}

// Offset seconds; the minutes take the sign of the hours.
constexpr std::int64_t SegundosUtc(int horasUtc, WORD minutosUtc) {
    const int minutos = horasUtc < 0 ? -minutosUtc : minutosUtc;
    return horasUtc * 3600 + minutos * 60;
}

}  // namespace

REG_NXDMA MontaDma(WORD dia, WORD mes, WORD ano) noexcept {
    const int a = AlargaAno(ano);
    if (dia == 0 || mes < 1 || mes > 12 || a < kAnoMinimo || a > kAnoMaximo) return 0;
    int d = dia > kDiasMes[mes - 1] ? kDiasMes[mes - 1] : dia;
    if (mes == 2 && d == 29 && !Bissexto(a)) d = 28;
    return NumeroDia(d, mes, a);
}

// The year comes from a floating-point estimate that can be one off at a year boundary; the
// uncorrected day of year t then reads 0 or 366 and moves the date into the neighbouring year.
void DesmontaDma(REG_NXDMA dma, WORD& dia, WORD& mes, WORD& ano) noexcept {
    dia = mes = ano = 0;
    const std::uint32_t n = dma;
    if (n < kDmaMinimo || n > kDmaMaximo) return;

    int a = kAnoMinimo + static_cast<int>(std::trunc(static_cast<double>(n - 2) / 365.2425));
    auto t = static_cast<std::uint16_t>(static_cast<int>(n) - (a - kAnoMinimo) * 365 - Bissextos(a) + 446);
    int m = 0;
    if (t < 60) {
        if (Bissexto(a)) ++t;
        if (t == 0) {
            --a;
            t = 365;
            m = 12;
        } else {
            m = t < 32 ? 1 : 2;
        }
    } else if (t == 366) {
        ++a;
        t = 1;
        m = 1;
    } else if (t > 366) {
        return;
    } else {
        m = 3;
        while (m < 12 && t > kDiasAntes[m]) ++m;  // kDiasAntes[m] is the last day of month m
    }
    dia = static_cast<WORD>(t - kDiasAntes[m - 1]);
    mes = static_cast<WORD>(m);
    ano = static_cast<WORD>(a);
}

REG_NXMA MontaMa(WORD mes, WORD ano) noexcept {
    const int a = AlargaAno(ano);
    if (mes < 1 || mes > 12 || a < kAnoMinimo || a > kAnoMaximo) return 0;
    return static_cast<std::uint16_t>((a - kAnoMinimo) * 12 + mes);
}

void DesmontaMa(REG_NXMA ma, WORD& mes, WORD& ano) noexcept {
    mes = ano = 0;
    const std::uint16_t v = ma;
    if (v == 0 || v > kMaMaximo) return;
    int q = v / 12;
    int m = v - 12 * q;
    if (m == 0) {
        m = 12;
        --q;
    }
    mes = static_cast<WORD>(m);
    ano = static_cast<WORD>(kAnoMinimo + q);
}

REG_NXMA MaDeDma(REG_NXDMA dma) noexcept {
    WORD dia = 0, mes = 0, ano = 0;
    DesmontaDma(dma, dia, mes, ano);
    return MontaMa(mes, ano);
}

REG_NXDMAHMSUTC MontaDmaHmsUtc(REG_NXDMA dma, WORD hora, WORD minuto, WORD segundo, int horasUtc,
                               WORD minutosUtc) noexcept {
    const std::int64_t local = SegundosLocais(dma, hora, minuto, segundo);
    if (local < 0 || !UtcValido(horasUtc, minutosUtc)) return REG_NXDMAHMSUTC{};
    const std::uint64_t utc = Bits(SegundosUtc(horasUtc, minutosUtc)) << kBitsLocal;
    return REG_NXDMAHMSUTC(static_cast<std::int64_t>((Bits(local) & kMascaraLocal) | (utc & kMascaraUtc)));
}

LONGLONG SegundosDmaHmsUtc(REG_NXDMAHMSUTC valor) noexcept {
    return EstendeSinal(Bits(valor.Valor()) & kMascaraLocal, kBitsLocal);
}

LONG SegundosUtcDmaHmsUtc(REG_NXDMAHMSUTC valor) noexcept {
    return static_cast<LONG>(EstendeSinal((Bits(valor.Valor()) & kMascaraUtc) >> kBitsLocal, kBitsUtc));
}

void DesmontaDmaHmsUtc(REG_NXDMAHMSUTC valor, REG_NXDMA& dma, WORD& hora, WORD& minuto,
                       WORD& segundo, int& horasUtc, WORD& minutosUtc) noexcept {
    dma = 0;
    hora = minuto = segundo = 0;
    const std::int64_t local = SegundosDmaHmsUtc(valor);
    const std::int64_t dia = local / kSegundosDia;
    if (local >= 0 && dia >= kDmaMinimo && dia <= kDmaMaximo) {
        const auto resto = static_cast<int>(local % kSegundosDia);
        dma = static_cast<std::uint32_t>(dia);
        hora = static_cast<WORD>(resto / 3600);
        minuto = static_cast<WORD>(resto / 60 % 60);
        segundo = static_cast<WORD>(resto % 60);
    }
    const LONG utc = SegundosUtcDmaHmsUtc(valor);
    horasUtc = utc / 3600;  // truncates toward zero, so the hours carry the sign
    minutosUtc = static_cast<WORD>((utc < 0 ? -utc : utc) % 3600 / 60);
}

bool SetDmaHmsDmaHmsUtc(REG_NXDMAHMSUTC& valor, REG_NXDMA dma, WORD hora, WORD minuto,
                        WORD segundo) noexcept {
    const std::int64_t local = SegundosLocais(dma, hora, minuto, segundo);
    if (local < 0) return false;
    valor = REG_NXDMAHMSUTC(
        static_cast<std::int64_t>((Bits(valor.Valor()) & ~kMascaraLocal) | (Bits(local) & kMascaraLocal)));
    return true;
}

bool SetUtcDmaHmsUtc(REG_NXDMAHMSUTC& valor, int horasUtc, WORD minutosUtc) noexcept {
    if (!UtcValido(horasUtc, minutosUtc)) return false;
    const std::uint64_t utc = Bits(SegundosUtc(horasUtc, minutosUtc)) << kBitsLocal;
    valor = REG_NXDMAHMSUTC(
        static_cast<std::int64_t>((Bits(valor.Valor()) & ~kMascaraUtc) | (utc & kMascaraUtc)));
    return true;
}

// ---- Text forms -----------------------------------------------------------------------------

namespace {

// Fixed-width decimal field of a date text; -1 when a character is not a digit.
int Digitos(std::string_view s, std::size_t de, std::size_t n) {
    int v = 0;
    for (std::size_t i = de; i < de + n; ++i) {
        if (s[i] < '0' || s[i] > '9') return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

}  // namespace

std::string NXDadosGC::TextoDeDma(REG_NXDMA dma) {
    WORD d = 0, m = 0, a = 0;
    DesmontaDma(dma, d, m, a);
    if (!d) return {};
    char b[24];
    std::snprintf(b, sizeof b, "%04u-%02u-%02u", a, m, d);
    return b;
}

std::string NXDadosGC::TextoDeMa(REG_NXMA ma, FormaMa forma) {
    WORD m = 0, a = 0;
    DesmontaMa(ma, m, a);
    if (!m) return {};
    char b[24];
    if (forma == FormaMa::MesAno) std::snprintf(b, sizeof b, "%02u/%04u", m, a);
    else std::snprintf(b, sizeof b, "%04u-%02u", a, m);
    return b;
}

std::string NXDadosGC::TextoDeDmaHmsUtc(REG_NXDMAHMSUTC valor) {
    const std::int64_t local = SegundosDmaHmsUtc(valor), utc = SegundosUtcDmaHmsUtc(valor);
    if ((Bits(valor.Valor()) >> 56) != 0 || local < 0 || utc % 60 != 0) return {};
    const std::string dia = TextoDeDma(static_cast<std::uint32_t>(local / kSegundosDia));
    const std::int64_t absUtc = utc < 0 ? -utc : utc, hora = local % kSegundosDia;
    if (dia.empty() || absUtc > 23 * 3600 + 59 * 60) return {};
    char b[48];
    std::snprintf(b, sizeof b, "%sT%02d:%02d:%02d%c%02d:%02d", dia.c_str(), static_cast<int>(hora / 3600),
                  static_cast<int>(hora / 60 % 60), static_cast<int>(hora % 60), utc < 0 ? '-' : '+',
                  static_cast<int>(absUtc / 3600), static_cast<int>(absUtc / 60 % 60));
    return b;
}

REG_NXDMA NXDadosGC::DmaDeTexto(std::string_view s) noexcept {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return 0;
    const int a = Digitos(s, 0, 4), m = Digitos(s, 5, 2), d = Digitos(s, 8, 2);
    if (a < kAnoMinimo || m < 0 || d < 0) return 0;
    const REG_NXDMA dia = MontaDma(static_cast<WORD>(d), static_cast<WORD>(m), static_cast<WORD>(a));
    // MontaDma clamps 2018-02-30 to the month's end: only a text that comes back the same is a day.
    WORD dd = 0, mm = 0, aa = 0;
    DesmontaDma(dia, dd, mm, aa);
    return dd == d && mm == m && aa == a ? dia : REG_NXDMA{0};
}

REG_NXMA NXDadosGC::MaDeTexto(std::string_view s) noexcept {
    if (s.size() != 7 || s[4] != '-') return 0;
    const int a = Digitos(s, 0, 4), m = Digitos(s, 5, 2);
    if (a < kAnoMinimo || m < 0) return 0;
    return MontaMa(static_cast<WORD>(m), static_cast<WORD>(a));
}

bool NXDadosGC::DmaHmsUtcDeTexto(std::string_view s, REG_NXDMAHMSUTC& valor) noexcept {
    const bool utc0 = s.size() == 20 && s[19] == 'Z';
    if ((!utc0 && (s.size() != 25 || (s[19] != '+' && s[19] != '-') || s[22] != ':')) || s[10] != 'T' ||
        s[13] != ':' || s[16] != ':')
        return false;
    const REG_NXDMA dia = DmaDeTexto(s.substr(0, 10));
    const int h = Digitos(s, 11, 2), mi = Digitos(s, 14, 2), se = Digitos(s, 17, 2);
    const int uh = utc0 ? 0 : Digitos(s, 20, 2), um = utc0 ? 0 : Digitos(s, 23, 2);
    if (!dia || h < 0 || h > 23 || mi < 0 || mi > 59 || se < 0 || se > 59 || uh < 0 || uh > 23 || um < 0 || um > 59)
        return false;
    const std::int64_t local = std::int64_t{dia} * kSegundosDia + h * 3600 + mi * 60 + se;
    const std::int64_t utc = (!utc0 && s[19] == '-' ? -1 : 1) * (uh * 3600 + um * 60);
    valor = REG_NXDMAHMSUTC(static_cast<std::int64_t>((Bits(local) & kMascaraLocal) | ((Bits(utc) << kBitsLocal) & kMascaraUtc)));
    return true;
}

std::string NXDadosGC::TextoBrutoDeDmaHmsUtc(REG_NXDMAHMSUTC valor) {
    char b[24];
    std::snprintf(b, sizeof b, "0x%016" PRIx64, Bits(valor.Valor()));
    return b;
}

REG_NXDMAHMSUTC NXDadosGC::DmaHmsUtcDeTextoBruto(std::string_view s) {
    const bool forma = s.size() >= 3 && s.size() <= 18 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    if (!forma)
        throw std::invalid_argument("\"" + std::string(s.substr(0, 40)) +
                                    "\" is not a 64-bit hex value like \"0x00f574014047fbb7\"");
    std::uint64_t v = 0;
    const char* fim = s.data() + s.size();
    if (std::from_chars(s.data() + 2, fim, v, 16).ptr != fim)
        throw std::invalid_argument("\"" + std::string(s) + "\" is not hex");
    return REG_NXDMAHMSUTC(static_cast<std::int64_t>(v));
}
