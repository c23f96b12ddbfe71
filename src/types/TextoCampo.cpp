// Each kind of field: its shape in text, and the text forms of its value type that write and
// read it.
#include "NXLDadosGC/types/TextoCampo.h"

#include <cstdio>   // std::snprintf
#include <cstring>  // std::memcpy

#include "NXLDadosGC/types/Datas.h"  // the text forms of dates
#include "NXLDadosGC/types/Moeda.h"  // TextoDeCY, CYDeTexto

namespace NXDadosGC {
namespace {

using detail::Ler;

// A value stored in a field of T's width.
template <class T>
void Gravar(std::int64_t v, unsigned char* p) {
    const auto x = static_cast<T>(v);
    std::memcpy(p, &x, sizeof x);
}

TextoValor Valor(FormaValor forma, std::int64_t inteiro = 0) {
    TextoValor t;
    t.forma = forma;
    t.inteiro = inteiro;
    return t;
}

TextoValor Inteiro(std::int64_t v) { return Valor(FormaValor::Inteiro, v); }

TextoValor Datado(std::int64_t bruto, std::string data) {
    TextoValor t = Valor(FormaValor::Datado, bruto);
    t.data = std::move(data);
    return t;
}

}  // namespace

TextoValor TextoDoCampo(const CampoInfo& c, const unsigned char* p, Leitor leitor) {
    const bool pessoas = leitor == Leitor::Pessoas;
    switch (c.tipo) {
        case TipoCampo::U8: return Inteiro(Ler<std::uint8_t>(p));
        case TipoCampo::Char: return Inteiro(Ler<std::int8_t>(p));
        case TipoCampo::U16: return Inteiro(Ler<std::uint16_t>(p));
        case TipoCampo::U32:
        case TipoCampo::Quantidade: return Inteiro(Ler<std::uint32_t>(p));
        case TipoCampo::Moeda: {
            TextoValor t = Valor(FormaValor::Decimal);
            t.texto = TextoDeCY(Ler<tagCY>(p));
            return t;
        }
        case TipoCampo::Competencia: {
            const auto v = Ler<std::uint16_t>(p);
            return Datado(v, TextoDeMa(v, pessoas ? FormaMa::MesAno : FormaMa::Iso));
        }
        case TipoCampo::Dia: {
            const auto v = Ler<std::uint32_t>(p);
            return Datado(v, TextoDeDma(v));
        }
        case TipoCampo::Momento: {
            const auto v = Ler<std::int64_t>(p);
            TextoValor t = Datado(0, pessoas ? std::string() : TextoDeDmaHmsUtc(v));
            t.texto = TextoBrutoDeDmaHmsUtc(v);
            t.brutoEmTexto = true;
            return t;
        }
        case TipoCampo::Texto: return Valor(FormaValor::Texto);
        case TipoCampo::Ponteiro: {
            TextoValor t = Valor(FormaValor::Endereco);
            if (const void* a = Ler<const void*>(p)) {
                char b[32];
                std::snprintf(b, sizeof b, "%p", a);
                t.texto = b;
            } else {
                t.texto = "null";
            }
            return t;
        }
        case TipoCampo::DataDmc:
        case TipoCampo::Posicao:
        case TipoCampo::Lacuna:
        case TipoCampo::Registro: break;
    }
    return Valor(FormaValor::Bytes);
}

const LeituraDoCampo& LeituraDe(TipoCampo tipo) {
    using L = LeituraDoCampo;
    static const L kU8{FormaValor::Inteiro, 0, 0xFF, "", false, "", nullptr, nullptr, &Gravar<std::uint8_t>};
    static const L kChar{FormaValor::Inteiro, -128, 127, "", false, "", nullptr, nullptr, &Gravar<std::int8_t>};
    static const L kU16{FormaValor::Inteiro, 0, 0xFFFF, "", false, "", nullptr, nullptr, &Gravar<std::uint16_t>};
    static const L kU32{FormaValor::Inteiro, 0, 0xFFFFFFFF, "", false, "", nullptr, nullptr, &Gravar<std::uint32_t>};
    static const L kMoeda{FormaValor::Decimal, 0, 0, "12.3400", false, "",
                          [](std::string_view t) -> std::int64_t { return CYDeTexto(t).int64; }, nullptr,
                          &Gravar<std::int64_t>};
    static const L kCompetencia{FormaValor::Datado, 0, 0xFFFF, "2018-04", false, "", nullptr,
                                [](std::string_view t, std::int64_t& v) { return (v = MaDeTexto(t)) != 0; },
                                &Gravar<std::uint16_t>};
    static const L kDia{FormaValor::Datado, 0, 0xFFFFFFFF, "2018-04-09", false, "", nullptr,
                        [](std::string_view t, std::int64_t& v) { return (v = DmaDeTexto(t)) != 0; },
                        &Gravar<std::uint32_t>};
    static const L kMomento{FormaValor::Datado, 0, 0, "2018-04-09T10:30:15-03:00", true, "0x00f574014047fbb7",
                            [](std::string_view t) -> std::int64_t { return DmaHmsUtcDeTextoBruto(t); },
                            [](std::string_view t, std::int64_t& v) {
                                REG_NXDMAHMSUTC m{};
                                if (!DmaHmsUtcDeTexto(t, m)) return false;
                                v = m;
                                return true;
                            },
                            &Gravar<std::int64_t>};
    static const LeituraDoCampo kTexto{FormaValor::Texto};
    static const LeituraDoCampo kBytes{FormaValor::Bytes};
    static const LeituraDoCampo kEndereco{FormaValor::Endereco};
    switch (tipo) {
        case TipoCampo::U8: return kU8;
        case TipoCampo::Char: return kChar;
        case TipoCampo::U16: return kU16;
        case TipoCampo::U32:
        case TipoCampo::Quantidade: return kU32;
        case TipoCampo::Moeda: return kMoeda;
        case TipoCampo::Competencia: return kCompetencia;
        case TipoCampo::Dia: return kDia;
        case TipoCampo::Momento: return kMomento;
        case TipoCampo::Texto: return kTexto;
        case TipoCampo::Ponteiro: return kEndereco;
        case TipoCampo::DataDmc:
        case TipoCampo::Posicao:
        case TipoCampo::Lacuna:
        case TipoCampo::Registro: break;
    }
    return kBytes;
}

}  // namespace NXDadosGC
