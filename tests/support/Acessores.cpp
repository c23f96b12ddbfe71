#include "Acessores.h"

#include <gtest/gtest.h>

#include <memory>

namespace teste {

std::vector<const CasoCampo*>& TodosOsCasos() {
    static std::vector<const CasoCampo*> casos;
    return casos;
}

void VerificarCampo(const CasoCampo& caso) {
    SCOPED_TRACE(std::string(caso.classe) + "::" + caso.campo);
    const NXDadosGC::InfoClasse* info = caso.info();
    const NXDadosGC::CampoInfo* campo = nullptr;
    for (const auto& c : info->campos())
        if (std::strcmp(c.nome, caso.campo) == 0) campo = &c;
    ASSERT_NE(campo, nullptr) << "no such field in the record";
    if (!caso.texto) {
        EXPECT_EQ(caso.larguraGetter, campo->largura) << "getter type width";
    }

    // A distinctive value: every byte non-zero and different from its neighbours; a text
    // fills its whole capacity (N = width - 1).
    const std::size_t n = caso.texto ? campo->largura - 1 : campo->largura;
    std::string valor(n, '\0');
    for (std::size_t i = 0; i < n; ++i) valor[i] = static_cast<char>(caso.texto ? 'A' + i % 26 : 0x11 + 7 * i);

    std::unique_ptr<TNXBaseParaDados> objeto(info->criar());
    caso.definir(*objeto, reinterpret_cast<const unsigned char*>(valor.data()), n);
    EXPECT_EQ(caso.ler(*objeto), valor) << "getter returns what the setter stored";

    std::vector<unsigned char> registro(info->tamanhoRegistro, 0xAB);
    info->copiarPara(*objeto, registro.data());
    for (std::size_t i = 0; i < registro.size(); ++i) {
        const bool doCampo = i >= campo->deslocamento && i < campo->deslocamento + n;
        const auto esperado = doCampo ? static_cast<unsigned char>(valor[i - campo->deslocamento]) : 0;
        ASSERT_EQ(registro[i], esperado) << "record byte " << i;
    }

    if (caso.texto) {
        // A longer text is cut to N bytes and touches nothing past them; a shorter one stored
        // later leaves no byte of it behind.
        const std::string longo = valor + "XYZ";
        std::unique_ptr<TNXBaseParaDados> t(info->criar());
        caso.definir(*t, reinterpret_cast<const unsigned char*>(longo.data()), longo.size());
        EXPECT_EQ(caso.ler(*t), valor) << "cut to N";
        std::vector<unsigned char> cortado(info->tamanhoRegistro, 0xAB);
        info->copiarPara(*t, cortado.data());
        EXPECT_EQ(cortado, registro) << "a long text wrote past its N bytes";
        caso.definir(*t, reinterpret_cast<const unsigned char*>("q"), 1);
        EXPECT_EQ(caso.ler(*t), "q");
        info->copiarPara(*t, cortado.data());
        for (std::size_t i = 1; i < campo->largura; ++i)
            ASSERT_EQ(cortado[campo->deslocamento + i], 0) << "byte " << i << " of the shorter text";
    }
}

}  // namespace teste
