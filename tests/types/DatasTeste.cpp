// Day numbers, competences and time stamps against known dates and an independent calendar.
#include "NXLDadosGC/types/Datas.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

namespace ch = std::chrono;

struct Data {
    WORD dia, mes, ano;
};

TEST(Dma, NumerosConhecidos) {
    const struct {
        Data data;
        std::uint32_t esperado;
    } kCases[]{
        {{1, 1, 1848}, 2},  {{31, 12, 4717}, 1048247}, {{9, 4, 2018}, 62192},
        {{1, 1, 2000}, 55519}, {{29, 2, 2000}, 55578},
    };
    for (const auto& c : kCases) {
        const Data& d = c.data;
        EXPECT_EQ(MontaDma(d.dia, d.mes, d.ano), c.esperado) << d.dia << '/' << d.mes << '/' << d.ano;
    }
}

// Days past the month's end are clamped, two-digit years widened.
TEST(Dma, MesmoDiaQue) {
    const struct {
        Data dada, igual;
    } kCases[]{
        {{31, 4, 2018}, {30, 4, 2018}}, {{29, 2, 1900}, {28, 2, 1900}},  // 1900 is common
        {{30, 2, 2000}, {29, 2, 2000}}, {{31, 2, 2019}, {28, 2, 2019}},
        {{99, 12, 2018}, {31, 12, 2018}},
        {{1, 1, 83}, {1, 1, 2083}},     {{1, 1, 84}, {1, 1, 1984}},  // the widening boundary
        {{5, 6, 0}, {5, 6, 2000}},      {{5, 6, 99}, {5, 6, 1999}},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(MontaDma(c.dada.dia, c.dada.mes, c.dada.ano), MontaDma(c.igual.dia, c.igual.mes, c.igual.ano))
            << c.dada.dia << '/' << c.dada.mes << '/' << c.dada.ano;
        EXPECT_NE(MontaDma(c.igual.dia, c.igual.mes, c.igual.ano), 0u);
    }
}

TEST(Dma, DatasInvalidasDaoZero) {
    const Data kCases[]{{0, 5, 2018}, {1, 13, 2018}, {1, 0, 2018},  {1, 1, 1847},
                        {1, 1, 4718}, {1, 1, 100},   {1, 1, 65535}};
    for (const auto& d : kCases) EXPECT_EQ(MontaDma(d.dia, d.mes, d.ano), 0u) << d.dia << '/' << d.mes << '/' << d.ano;

    for (std::uint32_t n : {0u, 1u, 1048248u, 0xFFFFFFFFu}) {
        WORD dia = 9, mes = 9, ano = 9;
        DesmontaDma(n, dia, mes, ano);
        EXPECT_EQ(dia + mes + ano, 0) << n;
        EXPECT_EQ(MaDeDma(n), 0) << n;
    }
}

// Every valid day number against std::chrono's proleptic Gregorian calendar.
TEST(Dma, TodosOsDiasConferemComOCalendario) {
    const ch::sys_days dia2{ch::year{1848} / 1 / 1};
    for (std::uint32_t n = 2; n <= 1048247; ++n) {
        const ch::year_month_day ymd{dia2 + ch::days{n - 2}};
        const auto ano = static_cast<WORD>(static_cast<int>(ymd.year()));
        const auto mes = static_cast<WORD>(static_cast<unsigned>(ymd.month()));
        const auto diaMes = static_cast<WORD>(static_cast<unsigned>(ymd.day()));

        WORD dia = 0, m = 0, a = 0;
        DesmontaDma(n, dia, m, a);
        if (dia != diaMes || m != mes || a != ano) {
            FAIL() << n << " gives " << dia << '/' << m << '/' << a << ", expected " << diaMes << '/' << mes << '/' << ano;
        }
        if (MontaDma(dia, m, a) != n) FAIL() << n << " does not round-trip";
        if (MaDeDma(n) != (ano - 1848) * 12 + mes) FAIL() << n << ": wrong competence";
    }
    WORD dia = 0, mes = 0, ano = 0;
    DesmontaDma(1048247, dia, mes, ano);
    EXPECT_EQ(dia, 31);
    EXPECT_EQ(mes, 12);
    EXPECT_EQ(ano, 4717);
}

TEST(Ma, MontaEDesmonta) {
    const struct {
        WORD mes, ano;
        std::uint16_t esperado;
    } kCases[]{
        {4, 2018, 2044}, {12, 2017, 2040}, {1, 18, 2041},  // 18 is widened to 2018
        {1, 1848, 1},    {12, 4717, 34440},
        {0, 2018, 0},    {13, 2018, 0},    {1, 1847, 0}, {1, 4718, 0},
    };
    for (const auto& c : kCases) EXPECT_EQ(MontaMa(c.mes, c.ano), c.esperado) << c.mes << '/' << c.ano;

    WORD mes = 0, ano = 0;
    DesmontaMa(2040, mes, ano);
    EXPECT_EQ(mes, 12);
    EXPECT_EQ(ano, 2017);
    for (std::uint16_t v = 1; v <= 34440; ++v) {
        DesmontaMa(v, mes, ano);
        if (mes < 1 || mes > 12 || MontaMa(mes, ano) != v) FAIL() << v << " does not round-trip";
    }
    for (std::uint16_t v : {0, 34441, 65535}) {
        mes = ano = 9;
        DesmontaMa(v, mes, ano);
        EXPECT_EQ(mes + ano, 0) << v;
    }
    EXPECT_EQ(MaDeDma(MontaDma(15, 4, 2018)), 2044);
    EXPECT_EQ(MaDeDma(0), 0);
}

// ---- time stamps

constexpr std::int64_t kExemplo = 0x00F574014047FBB7;  // 9 April 2018 10:30:15, UTC-3

TEST(DmaHmsUtc, ExemploDocumentado) {
    const REG_NXDMAHMSUTC v = MontaDmaHmsUtc(MontaDma(9, 4, 2018), 10, 30, 15, -3, 0);
    EXPECT_EQ(v.Valor(), kExemplo);
    EXPECT_EQ(SegundosDmaHmsUtc(v), 5373426615);
    EXPECT_EQ(SegundosUtcDmaHmsUtc(v), -10800);
}

TEST(DmaHmsUtc, IdaEVolta) {
    const struct {
        std::uint32_t dma;
        WORD hora, minuto, segundo;
        int horasUtc;
        WORD minutosUtc;
        LONG segundosUtc;
    } kCases[]{
        {2, 0, 0, 0, 0, 0, 0},
        {62192, 10, 30, 15, -3, 0, -10800},
        {62192, 0, 0, 1, -3, 30, -12600},  // minutes take the hours' sign
        {62192, 12, 0, 0, 5, 45, 20700},
        {1048247, 23, 59, 59, 23, 59, 86340},    // largest local value and offset
        {1048247, 23, 59, 59, -23, 59, -86340},  // most negative offset
    };
    for (const auto& c : kCases) {
        const REG_NXDMAHMSUTC v = MontaDmaHmsUtc(c.dma, c.hora, c.minuto, c.segundo, c.horasUtc, c.minutosUtc);
        EXPECT_EQ(SegundosUtcDmaHmsUtc(v), c.segundosUtc) << c.dma;
        EXPECT_EQ(v.Valor() >> 56, 0) << c.dma;
        REG_NXDMA dma;
        WORD hora, minuto, segundo, minutosUtc;
        int horasUtc;
        DesmontaDmaHmsUtc(v, dma, hora, minuto, segundo, horasUtc, minutosUtc);
        EXPECT_EQ(dma, c.dma);
        EXPECT_EQ(hora, c.hora);
        EXPECT_EQ(minuto, c.minuto);
        EXPECT_EQ(segundo, c.segundo);
        EXPECT_EQ(horasUtc, c.horasUtc);
        EXPECT_EQ(minutosUtc, c.minutosUtc);
    }
}

TEST(DmaHmsUtc, PartesInvalidasDaoZero) {
    const struct {
        std::uint32_t dma;
        WORD hora, minuto, segundo;
        int horasUtc;
        WORD minutosUtc;
    } kCases[]{
        {0, 10, 0, 0, 0, 0},     {1048248, 0, 0, 0, 0, 0}, {62192, 24, 0, 0, 0, 0}, {62192, 0, 60, 0, 0, 0},
        {62192, 0, 0, 60, 0, 0}, {62192, 0, 0, 0, 24, 0},  {62192, 0, 0, 0, -24, 0}, {62192, 0, 0, 0, 0, 60},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(MontaDmaHmsUtc(c.dma, c.hora, c.minuto, c.segundo, c.horasUtc, c.minutosUtc), REG_NXDMAHMSUTC{})
            << c.dma << ' ' << c.hora << ':' << c.minuto << ':' << c.segundo << ' ' << c.horasUtc << ':' << c.minutosUtc;
    }
    REG_NXDMA dma = 7;
    WORD hora = 7, minuto = 7, segundo = 7, minutosUtc = 7;
    int horasUtc = 7;
    DesmontaDmaHmsUtc(REG_NXDMAHMSUTC{}, dma, hora, minuto, segundo, horasUtc, minutosUtc);
    EXPECT_EQ(dma + hora + minuto + segundo + horasUtc + minutosUtc, 0u);
}

TEST(DmaHmsUtc, SettersPreservamOsOutrosBits) {
    constexpr std::int64_t kAlto = std::int64_t{0x5A} << 56;
    constexpr std::int64_t kMascaraUtc = std::int64_t{0x3FFFF} << 38;
    REG_NXDMAHMSUTC v(kExemplo | kAlto);

    ASSERT_TRUE(SetUtcDmaHmsUtc(v, 2, 0));
    EXPECT_EQ(SegundosUtcDmaHmsUtc(v), 7200);
    EXPECT_EQ(v.Valor() & ~kMascaraUtc, (kExemplo | kAlto) & ~kMascaraUtc);

    ASSERT_TRUE(SetDmaHmsDmaHmsUtc(v, 2, 0, 0, 0));
    EXPECT_EQ(SegundosDmaHmsUtc(v), 2 * 86400);
    EXPECT_EQ(SegundosUtcDmaHmsUtc(v), 7200);
    EXPECT_EQ(v.Valor() >> 56, 0x5A);

    const REG_NXDMAHMSUTC antes = v;
    EXPECT_FALSE(SetUtcDmaHmsUtc(v, -24, 0));
    EXPECT_FALSE(SetDmaHmsDmaHmsUtc(v, 0, 1, 0, 0));
    EXPECT_EQ(v, antes);
}

}  // namespace
