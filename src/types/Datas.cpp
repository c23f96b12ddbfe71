// Day numbers, competences and time stamps.
#include "NXLDadosGC/types/Datas.h"

#include <cmath>  // std::trunc

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
