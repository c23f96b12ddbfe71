// What empty children look like in the record an owner writes. (Where each child lands, and
// what CopiarDe makes of inconsistent pairs, the generic round trips in gc/Conformidade check
// for every library class.)
#include <gtest/gtest.h>

#include <cstring>

#include "ClassesTeste.h"
#include "support/Alocacoes.h"

namespace {

using namespace NXTeste;

TEST(Transferencia, FilhosVaziosViajamComoZeroENulo) {
    VigiaAlocacoes vigia;
    CTeste_Dono d;
    d.SetTotal(tagCY{5});
    _REG_TESTE_DONOPS r;
    for (Alocador alocador : {Alocador::Heap, Alocador::Tarefa}) {
        std::memset(static_cast<void*>(&r), 0xCD, sizeof r);  // pointers the destination held are overwritten
        if (alocador == Alocador::Heap) d.CopiarPara(&r);
        else d.CopiarParaPS(&r);
        _REG_TESTE_DONOPS esperado{};
        esperado.Total = tagCY{5};
        EXPECT_TRUE(std::memcmp(&r, &esperado, sizeof r) == 0);
    }
    EXPECT_EQ(vigia.Alocacoes(), 0);
}

}  // namespace
