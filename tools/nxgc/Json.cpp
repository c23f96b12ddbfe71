#include "Json.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string_view>

#include "NXLDadosGC/motor/Classes.h"  // FilhoEm, NomeDoFilho
#include "NXLDadosGC/motor/Despejo.h"  // FormatarCampo
#include "NXLDadosGC/types/Datas.h"  // MontaDma, DesmontaDma, MontaMa, DesmontaMa, SegundosDmaHmsUtc

namespace nxgc {
namespace {

using NXDadosGC::CampoInfo;
using NXDadosGC::InfoClasse;
using NXDadosGC::InfoFilho;
using NXDadosGC::TabelaCampos;
using NXDadosGC::TipoCampo;
using NXDadosGC::TipoFilho;
using NXDadosGC::FilhoEm;
using NXDadosGC::ListaComQuantidadeEm;
using NXDadosGC::NomeDoCampoEm;
using NXDadosGC::NomeDoFilho;

template <class T>
T Ler(const unsigned char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
template <class T>
void Gravar(unsigned char* p, T v) {
    std::memcpy(p, &v, sizeof v);
}

[[noreturn]] void Falha(const std::string& caminho, const std::string& motivo) {
    throw ErroJson(caminho + ": " + motivo);
}

// ---- Code page 1252 -------------------------------------------------------------------------

// Bytes 0x80..0x9F. The five bytes the code page leaves undefined map to the C1 controls of the
// same number, so that every byte survives the trip through UTF-8.
constexpr char32_t k1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t De1252(unsigned char b) { return b >= 0x80 && b < 0xA0 ? k1252[b - 0x80] : b; }

std::string TextoDe1252(const unsigned char* p, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) {
        const char32_t c = De1252(p[i]);
        if (c < 0x80) {
            s += static_cast<char>(c);
        } else if (c < 0x800) {
            s += static_cast<char>(0xC0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            s += static_cast<char>(0xE0 | (c >> 12));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return s;
}

// The code page 1252 bytes of a UTF-8 text; fails on a character the code page cannot hold.
std::string TextoPara1252(std::string_view u, const std::string& caminho) {
    std::string s;
    for (std::size_t i = 0; i < u.size();) {
        const auto b = static_cast<unsigned char>(u[i]);
        const int n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + static_cast<std::size_t>(n) > u.size()) Falha(caminho, "text is not valid UTF-8");
        char32_t c = n == 1 ? b : b & (0x7F >> n);
        for (int k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(u[i + static_cast<std::size_t>(k)]) & 0x3F);
        i += static_cast<std::size_t>(n);
        int byte = c < 0x80 || (c >= 0xA0 && c <= 0xFF) ? static_cast<int>(c) : -1;
        for (int k = 0; k < 32 && byte < 0; ++k)
            if (k1252[k] == c) byte = 0x80 + k;
        if (byte < 0) {
            char b2[64];
            std::snprintf(b2, sizeof b2, "character U+%04X has no code page 1252 byte", static_cast<unsigned>(c));
            Falha(caminho, b2);
        }
        s += static_cast<char>(byte);
    }
    return s;
}

// ---- Hex, integers, currency, dates ---------------------------------------------------------

std::string Hex(const unsigned char* p, std::size_t n) {
    static constexpr char kDigitos[] = "0123456789abcdef";
    std::string s;
    for (std::size_t i = 0; i < n; ++i) {
        s += kDigitos[p[i] >> 4];
        s += kDigitos[p[i] & 0xF];
    }
    return s;
}

int DigitoHex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void LerHex(const Json& v, unsigned char* p, std::size_t n, const std::string& caminho) {
    if (!v.is_string()) Falha(caminho, "expected a string of " + std::to_string(2 * n) + " hex digits");
    const auto& s = v.get_ref<const std::string&>();
    if (s.size() != 2 * n) Falha(caminho, "expected " + std::to_string(2 * n) + " hex digits, got " + std::to_string(s.size()));
    for (std::size_t i = 0; i < n; ++i) {
        const int a = DigitoHex(s[2 * i]), b = DigitoHex(s[2 * i + 1]);
        if (a < 0 || b < 0) Falha(caminho, "\"" + s + "\" is not hex");
        p[i] = static_cast<unsigned char>(a * 16 + b);
    }
}

std::int64_t Inteiro(const Json& v, std::int64_t minimo, std::int64_t maximo, const std::string& caminho) {
    if (!v.is_number_integer()) Falha(caminho, std::string("expected an integer, got ") + v.type_name());
    const bool cabe = v.is_number_unsigned() ? v.get<std::uint64_t>() <= static_cast<std::uint64_t>(maximo)
                                             : v.get<std::int64_t>() >= minimo && v.get<std::int64_t>() <= maximo;
    if (!cabe)
        Falha(caminho, v.dump() + " is out of range " + std::to_string(minimo) + ".." + std::to_string(maximo));
    return v.get<std::int64_t>();
}

// "-12.34" -> -123400: up to four decimal places, within the 64-bit range.
std::int64_t LerMoeda(const Json& v, const std::string& caminho) {
    if (!v.is_string()) Falha(caminho, std::string("expected a decimal string like \"12.3400\", got ") + v.type_name());
    const auto& s = v.get_ref<const std::string&>();
    auto ruim = [&](const char* porque) { Falha(caminho, "\"" + s + "\" is not a currency value: " + porque); };
    std::size_t i = 0;
    const bool negativo = !s.empty() && s[0] == '-';
    if (negativo) ++i;
    const std::uint64_t limite = negativo ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    std::uint64_t inteiro = 0;
    const std::size_t inicio = i;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        if (inteiro > (limite / 10000 - static_cast<std::uint64_t>(s[i] - '0')) / 10) ruim("out of range");
        inteiro = inteiro * 10 + static_cast<std::uint64_t>(s[i] - '0');
    }
    if (i == inicio) ruim("no digits before the point");
    std::uint64_t fracao = 0;
    int casas = 0;
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++casas) {
            if (casas == 4) ruim("more than four decimal places");
            fracao = fracao * 10 + static_cast<std::uint64_t>(s[i] - '0');
        }
        if (casas == 0) ruim("no digits after the point");
    }
    if (i != s.size()) ruim("unexpected characters");
    for (; casas < 4; ++casas) fracao *= 10;
    const std::uint64_t magnitude = inteiro * 10000;
    if (magnitude > limite - fracao) ruim("out of range");
    const std::uint64_t total = magnitude + fracao;
    return negativo ? static_cast<std::int64_t>(0 - total) : static_cast<std::int64_t>(total);
}

// Fixed-width decimal fields of a date text; -1 when a character is not a digit.
int Digitos(std::string_view s, std::size_t de, std::size_t n) {
    int v = 0;
    for (std::size_t i = de; i < de + n; ++i) {
        if (s[i] < '0' || s[i] > '9') return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

std::string TextoDia(std::uint32_t valor) {
    WORD d = 0, m = 0, a = 0;
    DesmontaDma(REG_NXDMA(valor), d, m, a);
    if (!d) return {};
    char b[24];
    std::snprintf(b, sizeof b, "%04u-%02u-%02u", a, m, d);
    return b;
}

std::string TextoCompetencia(std::uint16_t valor) {
    WORD m = 0, a = 0;
    DesmontaMa(REG_NXMA(valor), m, a);
    if (!m) return {};
    char b[24];
    std::snprintf(b, sizeof b, "%04u-%02u", a, m);
    return b;
}

// 0 when the text is not exactly a valid day or month, or is out of the calendar's range.
std::uint32_t DiaDeTexto(std::string_view s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return 0;
    const int a = Digitos(s, 0, 4), m = Digitos(s, 5, 2), d = Digitos(s, 8, 2);
    if (a < 1848 || m < 0 || d < 0) return 0;
    const REG_NXDMA dia = MontaDma(static_cast<WORD>(d), static_cast<WORD>(m), static_cast<WORD>(a));
    return TextoDia(dia) == s ? static_cast<std::uint32_t>(dia) : 0;  // refuses 2018-02-30
}

std::uint16_t CompetenciaDeTexto(std::string_view s) {
    if (s.size() != 7 || s[4] != '-') return 0;
    const int a = Digitos(s, 0, 4), m = Digitos(s, 5, 2);
    if (a < 1848 || m < 0) return 0;
    return static_cast<std::uint16_t>(MontaMa(static_cast<WORD>(m), static_cast<WORD>(a)));
}

constexpr std::uint64_t kMascaraLocal = (std::uint64_t{1} << 38) - 1, kMascaraUtc = (std::uint64_t{1} << 18) - 1;

// "2018-04-09T10:30:15-03:00", or empty when the value is not a plain moment (unused bits set,
// no valid day, an offset that is not whole minutes).
std::string TextoMomento(std::int64_t valor) {
    const REG_NXDMAHMSUTC m(valor);
    const std::int64_t local = SegundosDmaHmsUtc(m), utc = SegundosUtcDmaHmsUtc(m);
    if ((static_cast<std::uint64_t>(valor) >> 56) != 0 || local < 0 || utc % 60 != 0) return {};
    const std::string dia = TextoDia(static_cast<std::uint32_t>(local / 86400));
    const std::int64_t absUtc = utc < 0 ? -utc : utc, hora = local % 86400;
    if (dia.empty() || absUtc > 23 * 3600 + 59 * 60) return {};
    char b[48];
    std::snprintf(b, sizeof b, "%sT%02d:%02d:%02d%c%02d:%02d", dia.c_str(), static_cast<int>(hora / 3600),
                  static_cast<int>(hora / 60 % 60), static_cast<int>(hora % 60), utc < 0 ? '-' : '+',
                  static_cast<int>(absUtc / 3600), static_cast<int>(absUtc / 60 % 60));
    return b;
}

bool MomentoDeTexto(std::string_view s, std::int64_t& valor) {
    if (s.size() != 25 || s[10] != 'T' || s[13] != ':' || s[16] != ':' || (s[19] != '+' && s[19] != '-') ||
        s[22] != ':')
        return false;
    const std::uint32_t dia = DiaDeTexto(s.substr(0, 10));
    const int h = Digitos(s, 11, 2), mi = Digitos(s, 14, 2), se = Digitos(s, 17, 2);
    const int uh = Digitos(s, 20, 2), um = Digitos(s, 23, 2);
    if (!dia || h < 0 || h > 23 || mi < 0 || mi > 59 || se < 0 || se > 59 || uh < 0 || uh > 23 || um < 0 || um > 59)
        return false;
    const std::int64_t local = std::int64_t{dia} * 86400 + h * 3600 + mi * 60 + se;
    const std::int64_t utc = (s[19] == '-' ? -1 : 1) * (uh * 3600 + um * 60);
    valor = static_cast<std::int64_t>((static_cast<std::uint64_t>(local) & kMascaraLocal) |
                                      ((static_cast<std::uint64_t>(utc) & kMascaraUtc) << 38));
    return true;
}

std::uint64_t LerHex64(const std::string& s, const std::string& caminho) {
    if (s.size() < 3 || s.size() > 18 || s[0] != '0' || (s[1] != 'x' && s[1] != 'X'))
        Falha(caminho, "\"" + s + "\" is not a 64-bit hex value like \"0x00f574014047fbb7\"");
    std::uint64_t v = 0;
    for (std::size_t i = 2; i < s.size(); ++i) {
        const int d = DigitoHex(s[i]);
        if (d < 0) Falha(caminho, "\"" + s + "\" is not hex");
        v = v * 16 + static_cast<std::uint64_t>(d);
    }
    return v;
}

// A dated value: {"valor": raw, "data": text} as dumped, or either part alone. When both are
// given they must agree. `deValor` reads the raw part, `deTexto` the text (0 / false = invalid).
template <class DeValor, class DeTexto>
std::int64_t LerDatado(const Json& v, const char* exemplo, const std::string& caminho, DeValor deValor,
                       DeTexto deTexto) {
    auto texto = [&](const Json& t, const std::string& onde) {
        if (!t.is_string()) Falha(onde, std::string("expected a date text like \"") + exemplo + "\"");
        std::int64_t r = 0;
        if (!deTexto(t.get_ref<const std::string&>(), r))
            Falha(onde, "\"" + t.get<std::string>() + "\" is not a valid date like \"" + exemplo + "\"");
        return r;
    };
    if (v.is_string()) return texto(v, caminho);
    if (!v.is_object()) return deValor(v, caminho);
    std::int64_t valor = 0;
    bool temValor = false;
    for (const auto& [chave, parte] : v.items()) {
        if (chave == "valor") {
            valor = deValor(parte, caminho + ".valor");
            temValor = true;
        } else if (chave != "data") {
            Falha(caminho, "unknown key \"" + chave + "\" (a date has \"valor\" and \"data\")");
        }
    }
    if (v.contains("data")) {
        const std::int64_t daData = texto(v["data"], caminho + ".data");
        if (temValor && daData != valor)
            Falha(caminho, "\"valor\" " + v["valor"].dump() + " and \"data\" " + v["data"].dump() + " disagree");
        valor = daData;
    } else if (!temValor) {
        Falha(caminho, "a date needs \"valor\" or \"data\"");
    }
    return valor;
}

// ---- Record -> JSON -------------------------------------------------------------------------

Json RegistroParaJson(const InfoClasse* info, TabelaCampos campos, const unsigned char* reg);

Json FilhoParaJson(const InfoFilho& f, const unsigned char* reg) {
    const auto* bloco = Ler<const unsigned char*>(reg + f.ponteiro);
    const InfoClasse* classe = f.classe ? f.classe() : nullptr;
    if (f.tipo == TipoFilho::Unico) return bloco ? RegistroParaJson(classe, classe->campos(), bloco) : Json(nullptr);
    Json lista = Json::array();
    const std::uint32_t n = bloco ? Ler<std::uint32_t>(reg + f.quantidade) : 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        const unsigned char* e = bloco + std::size_t{i} * f.tamanhoRegistro;
        lista.push_back(classe ? RegistroParaJson(classe, classe->campos(), e) : Json(Ler<std::uint32_t>(e)));
    }
    return lista;
}

Json ValorParaJson(const CampoInfo& c, const unsigned char* p) {
    switch (c.tipo) {
        case TipoCampo::U8: return Ler<std::uint8_t>(p);
        case TipoCampo::Char: return Ler<std::int8_t>(p);
        case TipoCampo::U16: return Ler<std::uint16_t>(p);
        case TipoCampo::U32:
        case TipoCampo::Quantidade: return Ler<std::uint32_t>(p);
        case TipoCampo::Moeda: return NXDadosGC::FormatarCampo(CampoInfo{c.nome, 0, c.largura, c.tipo, nullptr}, p);
        case TipoCampo::Competencia: {
            Json j{{"valor", Ler<std::uint16_t>(p)}};
            if (auto t = TextoCompetencia(Ler<std::uint16_t>(p)); !t.empty()) j["data"] = t;
            return j;
        }
        case TipoCampo::Dia: {
            Json j{{"valor", Ler<std::uint32_t>(p)}};
            if (auto t = TextoDia(Ler<std::uint32_t>(p)); !t.empty()) j["data"] = t;
            return j;
        }
        case TipoCampo::Momento: {
            const auto v = Ler<std::int64_t>(p);
            char b[24];
            std::snprintf(b, sizeof b, "0x%016llx", static_cast<unsigned long long>(v));
            Json j{{"valor", b}};
            if (auto t = TextoMomento(v); !t.empty()) j["data"] = t;
            return j;
        }
        case TipoCampo::Texto: {
            const std::size_t fim = std::strlen(reinterpret_cast<const char*>(p));  // the field ends in a zero
            const std::string texto = TextoDe1252(p, fim);
            for (std::size_t i = fim; i < c.largura; ++i)
                if (p[i] != 0) return Json{{"texto", texto}, {"bytes", Hex(p, c.largura)}};
            return texto;
        }
        case TipoCampo::DataDmc:
        case TipoCampo::Posicao:
        case TipoCampo::Lacuna:
        case TipoCampo::Ponteiro:
        case TipoCampo::Registro: return Hex(p, c.largura);
    }
    return nullptr;
}

// `info` is null for an embedded record that is not a member key: fields only.
Json RegistroParaJson(const InfoClasse* info, TabelaCampos campos, const unsigned char* reg) {
    Json j = Json::object();
    for (const CampoInfo& c : campos) {
        const unsigned char* p = reg + c.deslocamento;
        if (c.tipo == TipoCampo::Quantidade && ListaComQuantidadeEm(info, c.deslocamento)) continue;
        if (c.tipo == TipoCampo::Ponteiro) {
            if (const InfoFilho* f = FilhoEm(info, c.deslocamento, false)) j[NomeDoFilho(*info, *f)] = FilhoParaJson(*f, reg);
            continue;  // any other pointer field is zero in a checked tree
        }
        if (c.tipo == TipoCampo::Registro && c.sub) {
            const InfoFilho* m = FilhoEm(info, c.deslocamento, true);
            const InfoClasse* classe = m ? m->classe() : nullptr;
            j[c.nome] = RegistroParaJson(classe, classe ? classe->campos() : c.sub(), p);
            continue;
        }
        if (c.tipo == TipoCampo::Lacuna) {
            bool zero = true;
            for (std::uint32_t i = 0; i < c.largura; ++i) zero &= p[i] == 0;
            if (zero) continue;
        }
        j[c.nome] = ValorParaJson(c, p);
    }
    return j;
}

// ---- JSON -> record -------------------------------------------------------------------------

class Montador {
public:
    // Fills the zeroed record `reg` from object j.
    void Registro(const InfoClasse* info, TabelaCampos campos, const Json& j, unsigned char* reg,
                  const std::string& caminho) {
        if (!j.is_object()) Falha(caminho, std::string("expected an object, got ") + j.type_name());
        for (const auto& [chave, valor] : j.items()) {
            const std::string aqui = caminho + "." + chave;
            if (const InfoFilho* f = FilhoPorNome(info, chave)) {
                Filho(*f, valor, reg, aqui);
                continue;
            }
            const CampoInfo* c = nullptr;
            for (const CampoInfo& x : campos)
                if (chave == x.nome) c = &x;
            if (!c) Falha(aqui, std::string("unknown field of ") + (info ? info->nome : "this record"));
            unsigned char* p = reg + c->deslocamento;
            if (const InfoFilho* f = c->tipo == TipoCampo::Quantidade ? ListaComQuantidadeEm(info, c->deslocamento) : nullptr)
                Falha(aqui, "is the count of list \"" + NomeDoFilho(*info, *f) + "\"; give the list itself");
            if (c->tipo == TipoCampo::Ponteiro) Falha(aqui, "is a pointer field with no child behind it");
            if (c->tipo == TipoCampo::Registro && c->sub) {
                const InfoFilho* m = FilhoEm(info, c->deslocamento, true);
                const InfoClasse* classe = m ? m->classe() : nullptr;
                Registro(classe, classe ? classe->campos() : c->sub(), valor, p, aqui);
                continue;
            }
            Valor(*c, valor, p, aqui);
        }
    }

private:
    static const InfoFilho* FilhoPorNome(const InfoClasse* info, const std::string& nome) {
        if (!info) return nullptr;
        for (const InfoFilho& f : info->filhos)
            if (f.tipo != TipoFilho::Membro && NomeDoFilho(*info, f) == nome) return &f;
        return nullptr;
    }

    unsigned char* Bloco(std::size_t bytes) {
        auto& b = m_Blocos.emplace_back((bytes + 7) / 8, 0);
        return reinterpret_cast<unsigned char*>(b.data());
    }

    void Filho(const InfoFilho& f, const Json& v, unsigned char* reg, const std::string& caminho) {
        const InfoClasse* classe = f.classe ? f.classe() : nullptr;
        if (f.tipo == TipoFilho::Unico) {
            if (v.is_null()) return;
            if (!v.is_object()) Falha(caminho, std::string("expected an object or null, got ") + v.type_name());
            unsigned char* bloco = Bloco(f.tamanhoRegistro);
            Registro(classe, classe->campos(), v, bloco, caminho);
            Gravar(reg + f.ponteiro, bloco);
            return;
        }
        if (!v.is_array()) Falha(caminho, std::string("expected an array, got ") + v.type_name());
        if (v.size() > 0xFFFFFFFFu) Falha(caminho, "more elements than a 32-bit count holds");
        if (v.empty()) return;
        unsigned char* bloco = Bloco(v.size() * f.tamanhoRegistro);
        for (std::size_t i = 0; i < v.size(); ++i) {
            const std::string aqui = caminho + "[" + std::to_string(i) + "]";
            unsigned char* e = bloco + i * f.tamanhoRegistro;
            if (classe) Registro(classe, classe->campos(), v[i], e, aqui);
            else Gravar(e, static_cast<std::uint32_t>(Inteiro(v[i], 0, 0xFFFFFFFFll, aqui)));
        }
        Gravar(reg + f.quantidade, static_cast<std::uint32_t>(v.size()));
        Gravar(reg + f.ponteiro, bloco);
    }

    static void Valor(const CampoInfo& c, const Json& v, unsigned char* p, const std::string& caminho) {
        switch (c.tipo) {
            case TipoCampo::U8: Gravar(p, static_cast<std::uint8_t>(Inteiro(v, 0, 0xFF, caminho))); return;
            case TipoCampo::Char: Gravar(p, static_cast<std::int8_t>(Inteiro(v, -128, 127, caminho))); return;
            case TipoCampo::U16: Gravar(p, static_cast<std::uint16_t>(Inteiro(v, 0, 0xFFFF, caminho))); return;
            case TipoCampo::U32:
            case TipoCampo::Quantidade: Gravar(p, static_cast<std::uint32_t>(Inteiro(v, 0, 0xFFFFFFFFll, caminho))); return;
            case TipoCampo::Moeda: Gravar(p, LerMoeda(v, caminho)); return;
            case TipoCampo::Competencia:
                Gravar(p, static_cast<std::uint16_t>(LerDatado(
                              v, "2018-04", caminho, [](const Json& x, const std::string& w) { return Inteiro(x, 0, 0xFFFF, w); },
                              [](const std::string& t, std::int64_t& r) { return (r = CompetenciaDeTexto(t)) != 0; })));
                return;
            case TipoCampo::Dia:
                Gravar(p, static_cast<std::uint32_t>(LerDatado(
                              v, "2018-04-09", caminho,
                              [](const Json& x, const std::string& w) { return Inteiro(x, 0, 0xFFFFFFFFll, w); },
                              [](const std::string& t, std::int64_t& r) { return (r = DiaDeTexto(t)) != 0; })));
                return;
            case TipoCampo::Momento:
                Gravar(p, LerDatado(
                              v, "2018-04-09T10:30:15-03:00", caminho,
                              [](const Json& x, const std::string& w) -> std::int64_t {
                                  if (!x.is_string()) Falha(w, "expected a hex string like \"0x00f574014047fbb7\"");
                                  return static_cast<std::int64_t>(LerHex64(x.get<std::string>(), w));
                              },
                              [](const std::string& t, std::int64_t& r) { return MomentoDeTexto(t, r); }));
                return;
            case TipoCampo::Texto: Texto(c, v, p, caminho); return;
            case TipoCampo::DataDmc:
            case TipoCampo::Posicao:
            case TipoCampo::Lacuna: LerHex(v, p, c.largura, caminho); return;
            case TipoCampo::Ponteiro:
            case TipoCampo::Registro: break;  // handled by Registro
        }
        Falha(caminho, "cannot be given a value");
    }

    static void Texto(const CampoInfo& c, const Json& v, unsigned char* p, const std::string& caminho) {
        const std::size_t maximo = c.largura - 1;
        if (v.is_object()) {
            for (const auto& [chave, _] : v.items())
                if (chave != "texto" && chave != "bytes")
                    Falha(caminho, "unknown key \"" + chave + "\" (a text has \"texto\" and \"bytes\")");
            if (!v.contains("bytes")) Falha(caminho, "the object form of a text needs \"bytes\"");
            LerHex(v["bytes"], p, c.largura, caminho + ".bytes");
            if (p[maximo] != 0) Falha(caminho + ".bytes", "the last byte of a text field must be zero");
            if (v.contains("texto") && Json(TextoDe1252(p, std::strlen(reinterpret_cast<const char*>(p)))) != v["texto"])
                Falha(caminho, "\"texto\" and \"bytes\" disagree");
            return;
        }
        if (!v.is_string()) Falha(caminho, std::string("expected a string, got ") + v.type_name());
        const std::string bytes = TextoPara1252(v.get_ref<const std::string&>(), caminho);
        if (bytes.find('\0') != std::string::npos) Falha(caminho, "a text cannot hold a zero character");
        if (bytes.size() > maximo)
            Falha(caminho, "text of " + std::to_string(bytes.size()) + " bytes does not fit (at most " +
                               std::to_string(maximo) + ")");
        std::memcpy(p, bytes.data(), bytes.size());
    }

    std::deque<std::vector<std::uint64_t>> m_Blocos;  // the tree's blocks, alive until packed
};

}  // namespace

// ---- Public ---------------------------------------------------------------------------------

Json ArvoreParaJson(const NXDadosGC::ArvoreVerificada& arvore) {
    const InfoClasse& info = arvore.Classe();
    return Json{{"classe", info.nome},
                {"registro", RegistroParaJson(&info, info.campos(), static_cast<const unsigned char*>(arvore.Registro()))}};
}

std::vector<std::byte> JsonParaPacote(const InfoClasse& info, const Json& documento) {
    if (!documento.is_object()) Falha("(document)", std::string("expected an object, got ") + documento.type_name());
    for (const auto& [chave, _] : documento.items())
        if (chave != "classe" && chave != "registro")
            Falha(chave, "unknown key (a document has \"classe\" and \"registro\")");
    if (!documento.contains("classe") || documento["classe"] != info.nome)
        Falha("classe", std::string("the document must name class \"") + info.nome + "\"");
    std::vector<std::uint64_t> raiz((info.tamanhoRegistro + 7) / 8, 0);
    Montador montador;
    if (documento.contains("registro"))
        montador.Registro(&info, info.campos(), documento["registro"], reinterpret_cast<unsigned char*>(raiz.data()),
                          "registro");
    return NXDadosGC::EmpacotarRegistro(info, raiz.data());
}

}  // namespace nxgc
