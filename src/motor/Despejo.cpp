#include "NXLDadosGC/motor/Despejo.h"

#include <cinttypes>  // PRId64
#include <cstdio>     // std::snprintf
#include <cstring>    // std::memcpy

#include "NXLDadosGC/types/Datas.h"  // DesmontaDma, DesmontaMa, SegundosDmaHmsUtc
#include "NXLDadosGC/types/Moeda.h"  // TextoDeCY

namespace {

template <class T>
T Ler(const void* registro, std::uint32_t deslocamento) {
    T v;
    std::memcpy(&v, static_cast<const char*>(registro) + deslocamento, sizeof v);
    return v;
}

std::string Hex(const unsigned char* p, std::size_t n) {
    std::string s;
    char b[4];
    for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(b, sizeof b, i ? " %02x" : "%02x", p[i]);
        s += b;
    }
    return s;
}

}  // namespace

std::string NXDadosGC::FormatarCampo(const CampoInfo& c, const void* registro) {
    const auto* bytes = static_cast<const unsigned char*>(registro) + c.deslocamento;
    char b[96];
    switch (c.tipo) {
        case TipoCampo::U8: return std::to_string(Ler<std::uint8_t>(registro, c.deslocamento));
        case TipoCampo::Char: return std::to_string(static_cast<int>(Ler<signed char>(registro, c.deslocamento)));
        case TipoCampo::U16: return std::to_string(Ler<std::uint16_t>(registro, c.deslocamento));
        case TipoCampo::U32:
        case TipoCampo::Quantidade: return std::to_string(Ler<std::uint32_t>(registro, c.deslocamento));
        case TipoCampo::Moeda: return NXDadosGC::TextoDeCY(Ler<tagCY>(registro, c.deslocamento));
        case TipoCampo::Competencia: {
            const auto v = Ler<std::uint16_t>(registro, c.deslocamento);
            WORD mes = 0, ano = 0;
            DesmontaMa(v, mes, ano);
            if (!mes) return std::to_string(v);
            std::snprintf(b, sizeof b, "%u (%02u/%04u)", v, mes, ano);
            return b;
        }
        case TipoCampo::Dia: {
            const auto v = Ler<std::uint32_t>(registro, c.deslocamento);
            WORD dia = 0, mes = 0, ano = 0;
            DesmontaDma(v, dia, mes, ano);
            if (!dia) return std::to_string(v);
            std::snprintf(b, sizeof b, "%u (%04u-%02u-%02u)", v, ano, mes, dia);
            return b;
        }
        case TipoCampo::Momento: {
            const auto v = Ler<std::int64_t>(registro, c.deslocamento);
            std::snprintf(b, sizeof b, "0x%016" PRIx64, static_cast<std::uint64_t>(v));
            return b;
        }
        case TipoCampo::Texto: {
            std::string s = "\"";
            for (std::uint32_t i = 0; i < c.largura && bytes[i]; ++i) {
                if (bytes[i] >= 0x20 && bytes[i] <= 0x7E && bytes[i] != '"' && bytes[i] != '\\') {
                    s += static_cast<char>(bytes[i]);
                } else {
                    std::snprintf(b, sizeof b, "\\x%02x", bytes[i]);
                    s += b;
                }
            }
            return s + "\"";
        }
        case TipoCampo::Ponteiro: {
            const void* p = Ler<const void*>(registro, c.deslocamento);
            if (!p) return "null";
            std::snprintf(b, sizeof b, "%p", p);
            return b;
        }
        case TipoCampo::DataDmc:
        case TipoCampo::Posicao:
        case TipoCampo::Lacuna:
        case TipoCampo::Registro: return Hex(bytes, c.largura);
    }
    return {};
}

namespace {

void Despejar(std::string& saida, NXDadosGC::TabelaCampos campos, const void* registro, std::uint32_t base,
              int nivel) {
    char b[160];
    for (const NXDadosGC::CampoInfo& c : campos) {
        std::snprintf(b, sizeof b, "%*s%4u %3u  %-36s %-12s ", nivel * 2, "", base + c.deslocamento, c.largura,
                      c.nome, NXDadosGC::NomeTipoCampo(c.tipo));
        saida += b;
        if (c.tipo == NXDadosGC::TipoCampo::Registro && c.sub) {
            saida += "\n";
            Despejar(saida, c.sub(), static_cast<const char*>(registro) + c.deslocamento, base + c.deslocamento,
                     nivel + 1);
        } else {
            saida += NXDadosGC::FormatarCampo(c, registro) + "\n";
        }
    }
}

}  // namespace

std::string NXDadosGC::DespejarRegistro(TabelaCampos campos, const void* registro) {
    std::string saida;
    Despejar(saida, campos, registro, 0, 0);
    return saida;
}

std::string NXDadosGC::ResumirRegistro(TabelaCampos campos, const void* registro) {
    std::string s = "{";
    for (const CampoInfo& c : campos) {
        if (c.tipo == TipoCampo::Lacuna) continue;
        if (s.size() > 1) s += ", ";
        s += c.nome;
        s += '=';
        if (c.tipo == TipoCampo::Registro && c.sub)
            s += ResumirRegistro(c.sub(), static_cast<const char*>(registro) + c.deslocamento);
        else
            s += FormatarCampo(c, registro);
    }
    return s + "}";
}
