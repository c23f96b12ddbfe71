// Day numbers, competences and time stamps against known dates and an independent calendar.
#include "NXLDadosGC/types/Datas.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <stdexcept>

namespace {

namespace ch = std::chrono;

// What is not a date: a day past the month's end is clamped to it, two-digit years widened, and
// parts out of range give 0. (Every valid date is the calendar test's.)
TEST(Dma, Monta) {
    const struct {
        WORD dia, mes, ano;
        std::uint32_t esperado;
    } kCases[]{
        {31, 4, 2018, 62213},  // clamped to 30 April
        {30, 2, 2000, 55578},  // clamped to 29 February of a leap year
        {29, 2, 1900, 19053},  // clamped to 28 February: 1900 is a common year
        {31, 2, 2019, 62517},
        {1, 1, 83, 85835}, {1, 1, 84, 49675}, {5, 6, 0, 55675},  // two-digit years widened to 1984..2083
        {0, 5, 2018, 0}, {1, 13, 2018, 0}, {1, 0, 2018, 0}, {1, 1, 1847, 0}, {1, 1, 4718, 0},
        {1, 1, 100, 0},  // only years below 100 are widened
    };
    for (const auto& c : kCases) EXPECT_EQ(MontaDma(c.dia, c.mes, c.ano), c.esperado) << c.dia << '/' << c.mes << '/' << c.ano;
}

// Every valid day number against std::chrono's proleptic Gregorian calendar; this crosses
// each year boundary where the decomposition's floating-point year estimate is one off.
TEST(Dma, TodosOsDiasConferemComOCalendario) {
    const ch::sys_days dia2{ch::year{1848} / 1 / 1};
    for (std::uint32_t n = 2; n <= 1048247; ++n) {
        const ch::year_month_day ymd{dia2 + ch::days{n - 2}};
        const int ano = static_cast<int>(ymd.year());
        const unsigned mes = static_cast<unsigned>(ymd.month());
        const unsigned dia = static_cast<unsigned>(ymd.day());
        WORD d = 0, m = 0, a = 0;
        DesmontaDma(n, d, m, a);
        if (d != dia || m != mes || a != ano) FAIL() << n << " gives " << d << '/' << m << '/' << a;
        if (MontaDma(d, m, a) != n) FAIL() << n << " does not round-trip";
        if (MaDeDma(n) != (ano - 1848) * 12 + static_cast<int>(mes)) FAIL() << n << ": wrong competence";
    }
    for (std::uint32_t n : {0u, 1u, 1048248u, 0xFFFFFFFFu}) {
        WORD d = 9, m = 9, a = 9;
        DesmontaDma(n, d, m, a);
        EXPECT_EQ(d + m + a, 0) << n;
        EXPECT_EQ(MaDeDma(n), 0) << n;
    }
}

TEST(Ma, MontaEDesmonta) {
    const struct {
        WORD mes, ano;
        std::uint16_t esperado;
    } kCases[]{
        {4, 2018, 2044}, {12, 2017, 2040}, {1, 18, 2041}, {1, 1848, 1}, {12, 4717, 34440},
        {0, 2018, 0},    {13, 2018, 0},    {1, 1847, 0},  {1, 4718, 0},
    };
    for (const auto& c : kCases) EXPECT_EQ(MontaMa(c.mes, c.ano), c.esperado) << c.mes << '/' << c.ano;

    WORD mes = 0, ano = 0;
    for (std::uint16_t v = 1; v <= 34440; ++v) {
        DesmontaMa(v, mes, ano);
        if (mes < 1 || mes > 12 || MontaMa(mes, ano) != v) FAIL() << v << " does not round-trip";
    }
    for (std::uint16_t v : {0, 34441}) {
        DesmontaMa(v, mes, ano);
        EXPECT_EQ(mes + ano, 0) << v;
    }
}

constexpr std::int64_t kExemplo = 0x00F574014047FBB7;  // 9 April 2018 10:30:15, UTC-3

// Each part and offset up to its end; one past it, and the value is 0.
TEST(DmaHmsUtc, MontaEDesmonta) {
    constexpr LONG kZero = std::numeric_limits<LONG>::min();
    EXPECT_EQ(MontaDmaHmsUtc(MontaDma(9, 4, 2018), 10, 30, 15, -3, 0), kExemplo);  // reads as its integer
    const struct {
        std::uint32_t dma;
        WORD hora, minuto, segundo;
        int horasUtc;
        WORD minutosUtc;
        LONG segundosUtc;  // kZero: a part out of range
    } kCases[]{
        {2, 0, 0, 0, 0, 0, 0},
        {62192, 0, 0, 1, -3, 30, -12600},  // the minutes take the sign of the hours
        {62192, 12, 0, 0, 5, 45, 20700},
        {1048247, 23, 59, 59, 23, 59, 86340},  // largest local value and offsets
        {1048247, 23, 59, 59, -23, 59, -86340},
        {0, 10, 0, 0, 0, 0, kZero},  {1048248, 0, 0, 0, 0, 0, kZero}, {9, 24, 0, 0, 0, 0, kZero},
        {9, 0, 60, 0, 0, 0, kZero},  {9, 0, 0, 60, 0, 0, kZero},       {9, 0, 0, 0, 24, 0, kZero},
        {9, 0, 0, 0, -24, 0, kZero}, {9, 0, 0, 0, 0, 60, kZero},
    };
    for (const auto& c : kCases) {
        const REG_NXDMAHMSUTC v = MontaDmaHmsUtc(c.dma, c.hora, c.minuto, c.segundo, c.horasUtc, c.minutosUtc);
        if (c.segundosUtc == kZero) {
            EXPECT_EQ(v.Valor(), 0) << c.dma << ' ' << c.hora << ':' << c.minuto << ':' << c.segundo << ' '
                                    << c.horasUtc << ':' << c.minutosUtc;
            continue;
        }
        EXPECT_EQ(SegundosDmaHmsUtc(v), c.dma * 86400LL + c.hora * 3600 + c.minuto * 60 + c.segundo);
        EXPECT_EQ(SegundosUtcDmaHmsUtc(v), c.segundosUtc);
        EXPECT_EQ(v.Valor() >> 56, 0);
        REG_NXDMA dma;
        WORD hora, minuto, segundo, minutosUtc;
        int horasUtc;
        DesmontaDmaHmsUtc(v, dma, hora, minuto, segundo, horasUtc, minutosUtc);
        EXPECT_TRUE(dma == c.dma && hora == c.hora && minuto == c.minuto && segundo == c.segundo &&
                    horasUtc == c.horasUtc && minutosUtc == c.minutosUtc) << c.dma << ' ' << c.segundosUtc;
    }
}

TEST(DmaHmsUtc, SettersPreservamOsOutrosBits) {
    constexpr std::int64_t kAlto = std::int64_t{0x5A} << 56;
    REG_NXDMAHMSUTC v(kExemplo | kAlto);
    ASSERT_TRUE(SetUtcDmaHmsUtc(v, 2, 0));
    EXPECT_EQ(SegundosUtcDmaHmsUtc(v), 7200);
    EXPECT_EQ(SegundosDmaHmsUtc(v), SegundosDmaHmsUtc(REG_NXDMAHMSUTC(kExemplo)));
    ASSERT_TRUE(SetDmaHmsDmaHmsUtc(v, 2, 0, 0, 0));
    EXPECT_EQ(SegundosDmaHmsUtc(v), 2 * 86400);
    EXPECT_EQ(SegundosUtcDmaHmsUtc(v), 7200);
    EXPECT_EQ(v.Valor() >> 56, 0x5A);

    const REG_NXDMAHMSUTC antes = v;
    EXPECT_FALSE(SetUtcDmaHmsUtc(v, -24, 0));
    EXPECT_FALSE(SetDmaHmsDmaHmsUtc(v, 0, 1, 0, 0));
    EXPECT_EQ(v, antes);
}

// Each value's texts both ways: the date of a value that holds one, "" of one that does not, and
// the texts a reader refuses (they name no date, or not in exactly its form).
TEST(Datas, Textos) {
    using namespace NXDadosGC;
    const REG_NXDMAHMSUTC utc0 = MontaDmaHmsUtc(MontaDma(9, 4, 2018), 13, 30, 15, 0, 0);
    const struct {
        std::int64_t valor;  // a day (d), competence (m) or moment (t)
        char tipo;
        const char* texto;
    } kCases[]{
        {62192, 'd', "2018-04-09"}, {2, 'd', "1848-01-01"}, {1048247, 'd', "4717-12-31"}, {0, 'd', ""}, {1048248, 'd', ""},
        {2044, 'm', "2018-04"}, {34440, 'm', "4717-12"}, {0, 'm', ""}, {34441, 'm', ""},
        {kExemplo, 't', "2018-04-09T10:30:15-03:00"}, {utc0, 't', "2018-04-09T13:30:15+00:00"}, {0, 't', ""},
        {kExemplo | std::int64_t{1} << 56, 't', ""},                // an unused bit set
        {MontaDmaHmsUtc(62192, 0, 0, 0, 0, 0) + (std::int64_t{30} << 38), 't', ""},  // an offset of 30 seconds
    };
    for (const auto& c : kCases) {
        std::string texto;
        std::int64_t lido = 0;
        if (c.tipo == 'd') {
            texto = TextoDeDma(static_cast<std::uint32_t>(c.valor));
            lido = DmaDeTexto(c.texto);
        } else if (c.tipo == 'm') {
            texto = TextoDeMa(static_cast<std::uint16_t>(c.valor));
            lido = MaDeTexto(c.texto);
        } else {
            texto = TextoDeDmaHmsUtc(c.valor);
            REG_NXDMAHMSUTC m{};
            if (DmaHmsUtcDeTexto(c.texto, m)) lido = m;
        }
        EXPECT_EQ(texto, c.texto) << c.valor;
        EXPECT_EQ(lido, *c.texto ? c.valor : 0) << c.texto;
    }
    EXPECT_EQ(TextoDeMa(2044, FormaMa::MesAno), "04/2018");  // the form people read
    REG_NXDMAHMSUTC z{};
    EXPECT_TRUE(DmaHmsUtcDeTexto("2018-04-09T13:30:15Z", z) && z == utc0);
    for (const char* t : {"2018-02-30", "2018-4-09", "1847-12-31", "4718-01-01", "2018-04-09 ", "2018/04/09"})
        EXPECT_EQ(DmaDeTexto(t), 0) << t;
    for (const char* t : {"2018-13", "2018-00", "1847-12", "2018/04", "04/2018"}) EXPECT_EQ(MaDeTexto(t), 0) << t;
    for (const char* t : {"2018-04-09T24:00:00Z", "2018-04-09T10:30:15+24:00", "2018-04-09T10:30:15", "2018-02-30T00:00:00Z"})
        EXPECT_FALSE(DmaHmsUtcDeTexto(t, z)) << t;

    // Every bit of a moment, and back from either case and fewer digits.
    EXPECT_EQ(TextoBrutoDeDmaHmsUtc(-1), "0xffffffffffffffff");
    EXPECT_EQ(DmaHmsUtcDeTextoBruto("0X00F574014047FBB7"), kExemplo);
    EXPECT_EQ(DmaHmsUtcDeTextoBruto("0x1"), 1);
    for (const char* t : {"12", "0x", "x12", "0x00000000000000001", "0xzz", "0x-1"})
        EXPECT_THROW(DmaHmsUtcDeTextoBruto(t), std::invalid_argument) << t;
}

}  // namespace
