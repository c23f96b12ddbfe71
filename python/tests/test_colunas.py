"""Lists as numpy columns and pandas tables, the checks a column at a time, and JSON text a batch
of records at a time: they agree with the records read one by one, and refuse what the
record-by-record walk refuses, naming the same byte. Skipped without numpy (pandas: its own
tests)."""

import random
import struct
from decimal import Decimal

import pytest

import nxldadosgc as nx
from nxldadosgc import documento, textos
from nxldadosgc.esquema import Pacote
from nxldadosgc.pacote import crc_do_pacote
from conftest import arvore_aleatoria, nxgc_disponivel, rodar_nxgc
from test_pacote import FALHAS, matriz

np = pytest.importorskip("numpy")
from nxldadosgc import vetorial  # noqa: E402
from nxldadosgc.documento_vetorial import Formato  # noqa: E402


def _listas(registro, caminho=""):
    """(path, list) of every list below a record, depth first."""
    for _, f in registro.layout.slots:
        valor = getattr(registro, f.nome)
        if f.tipo == "lista":
            yield f"{caminho}{f.nome}", valor
            for k, r in enumerate(valor if f.elemento is not None else ()):
                yield from _listas(r, f"{caminho}{f.nome}[{k}].")
        elif valor is not None:
            yield from _listas(valor, f"{caminho}{f.nome}.")


@pytest.mark.parametrize("nome", sorted(nx.LAYOUTS))
def test_colunas_e_objetos_concordam(nome):
    """Every list of a tree of each class: each column holds the raw value of its field in each
    record, the array is a view of the buffer, and the list made again from it writes the same
    bytes."""
    dados = nx.escrever(arvore_aleatoria(nx.LAYOUTS[nome], random.Random(nome)))
    arvore = nx.ler(dados)
    for caminho, lista in _listas(arvore):
        a = lista.colunas(lacunas=True)
        assert len(a) == len(lista)
        if len(a):
            assert not a.flags.writeable and np.shares_memory(a, np.frombuffer(arvore._a.m, np.uint8))
        if lista.filho.elemento is None:
            assert a.tolist() == list(lista)
            continue
        for k, r in enumerate(lista):
            for c in lista.filho.elemento.campos:
                if c.sub is None:
                    bruto = r.bruto(c.nome) if c.tipo != "ponteiro" and c.lista is None else None
                    if bruto is not None:
                        x = a[k][c.nome]
                        assert (x.tobytes() if isinstance(x, np.void) else bytes(x) if isinstance(x, bytes) else x) \
                               == (bruto.rstrip(b"\0") if c.tipo == "texto" else bruto), (caminho, k, c.nome)
    for caminho, lista in list(_listas(arvore)):
        el = lista.filho.elemento
        if el is None or not el.slots:
            dono = arvore
            for parte in caminho.split(".")[:-1]:
                nome_, _, k = parte.partition("[")
                dono = getattr(dono, nome_)[int(k[:-1])] if k else getattr(dono, nome_)
            setattr(dono, lista.filho.nome, lista.colunas(lacunas=True))
    assert nx.escrever(arvore) == dados


def test_lista_de_colunas_e_uma_copia():
    """A list set from columns keeps its records when the array changes afterwards; only a view
    of bytes that cannot change (a tree read from bytes) is shared rather than copied."""
    arvore = nx.ler(nx.escrever(matriz()))
    vista = arvore.Conta[0].CentroCustos.colunas()
    copia = vista.copy()
    conta = nx.CNXDadosGC_MatrizRateioConta()
    for valor, partilhada in ((vista, True), (copia, False)):
        conta.CentroCustos = valor
        assert np.shares_memory(conta.CentroCustos.colunas(), vista) == partilhada
    copia["ValorRateio"] = 0
    assert [c.PonteiroCentroCustos for c in conta.CentroCustos] == [11, 12, 13]
    assert conta.CentroCustos[0].ValorRateio == Decimal("100.0000")


def test_colunas_da_classe():
    arvore = nx.ler(nx.escrever(matriz()))
    c = vetorial.colunas_da_classe(arvore, "CNXDadosGC_MatrizRateioCentroCustos")
    assert c.registros["ValorRateio"].tolist() == [1000000, 1000001, 1000002]
    assert c.donos == ["Conta[0].CentroCustos"] and c.lista.tolist() == [0, 0, 0]
    arvore.Conta[1].CentroCustos.append(nx.CNXDadosGC_MatrizRateioCentroCustos(ValorRateio=Decimal(7)))
    c = vetorial.colunas_da_classe(arvore, "CNXDadosGC_MatrizRateioCentroCustos")
    assert c.registros["ValorRateio"].tolist() == [1000000, 1000001, 1000002, 70000]
    assert c.donos == ["Conta[0].CentroCustos", "Conta[1].CentroCustos"] and c.lista.tolist() == [0, 0, 0, 1]


def test_colunas_recusadas():
    conta = nx.CNXDadosGC_MatrizRateioConta()
    tipo = vetorial.tipo(nx.LAYOUTS["CNXDadosGC_MatrizRateioCentroCustos"])
    casos = [(np.zeros(2, [("Nada", "u1")]), "CNXDadosGC_MatrizRateioCentroCustos has no field 'Nada'"),
             (np.zeros(3, "u4"), "expected a structured array of CNXDadosGC_MatrizRateioCentroCustos records")]
    for valor, erro in casos:
        with pytest.raises((TypeError, ValueError), match=erro):
            conta.CentroCustos = valor
    centros = np.zeros(2, tipo)
    centros["ValorRateio"] = [10000, -5]
    conta.CentroCustos = centros
    assert [c.ValorRateio for c in conta.CentroCustos] == [Decimal("1.0000"), Decimal("-0.0005")]
    resultado = nx.CNXDadosGC_CustoProducao()
    filhos = np.zeros(1, vetorial.tipo(nx.LAYOUTS["CNXDadosGC_CustoProducaoResultado"]))
    filhos["QuantidadeCustoProcessamento"] = 1
    with pytest.raises(ValueError, match="have no lists or holders of their own"):
        resultado.Resultado = filhos


@pytest.mark.parametrize("nome, arvore, editar, byte, trecho", FALHAS, ids=[f[0] for f in FALHAS])
def test_verificacao_vetorial_recusa_o_mesmo(nome, arvore, editar, byte, trecho):
    dados = bytearray(nx.escrever(arvore()))
    editar(dados)
    if nome != "crc":
        struct.pack_into("<I", dados, 12, crc_do_pacote(dados))
    with pytest.raises(nx.ErroEmpacotamento) as e:
        nx.ler(dados, vetorial=True)
    assert e.value.deslocamento == byte and trecho in str(e.value)


def test_mutacoes_vetoriais():
    """Every byte of a packed tree changed: the column-at-a-time checks accept exactly what the
    record-by-record walk accepts."""
    from nxldadosgc import pacote
    arvore = matriz()
    arvore.Conta[1].CentroCustos = [nx.CNXDadosGC_MatrizRateioCentroCustos(PonteiroCentroCustos=9)]
    original = nx.escrever(arvore)
    aceitos = 0
    for i in range(len(original)):
        for x in (0x01, 0x80, 0xFF):
            b = bytearray(original)
            b[i] ^= x
            try:
                pacote.verificar(bytes(b), conferir_crc=False, vetorial=False)
                certo = True
            except nx.ErroEmpacotamento:
                certo = False
            leitor = pacote._Leitor(bytes(b), pacote.PROFUNDIDADE_MAXIMA, pacote.BLOCOS_MAXIMOS, False)
            try:
                layout = leitor.cabecalho()
            except nx.ErroEmpacotamento:
                continue
            vetorial_aceita = vetorial.verificar(leitor, layout)
            assert not vetorial_aceita or certo, f"byte {i} ^ {x:#x}"
            aceitos += vetorial_aceita
    assert aceitos > 100


def test_tabela():
    pd = pytest.importorskip("pandas")
    centro = nx.CNXDadosGC_MatrizRateio(MaCompetencia=nx.Competencia(2018, 4), Conta=[
        nx.CNXDadosGC_MatrizRateioConta(TotalRateio=Decimal("922337203685477.5807"), PonteiroContaContabil=7)])
    conta = nx.ler(nx.escrever(centro)).Conta
    t = conta.tabela()
    assert t["TotalRateio"].tolist() == [(1 << 63) - 1] and t["PonteiroContaContabil"].tolist() == [7]
    assert "Lacuna28" not in t and "pCentroCustos" not in t
    cabecalhos = nx.ler(nx.escrever(nx.CNXDadosGC_CustoProducao(Resultado=[
        nx.CNXDadosGC_CustoProducaoResultado(MaCompetencia=nx.Competencia(2018, 4)),
        nx.CNXDadosGC_CustoProducaoResultado(MaCompetencia=34441)]))).Resultado.tabela()
    assert cabecalhos["MaCompetencia"].tolist()[0] == pd.Period("2018-04", "M")
    assert pd.isna(cabecalhos["MaCompetencia"].tolist()[1])


def _registros(el, rng, n: int) -> bytes:
    """Records of el one after another: n with random values, n of random bytes, and some at
    the extremes of every kind (currency -2**63 and 2**63-1, all bits set, all clear); texts
    end in their zero and stray pointers are zero, as a reader wants them."""
    t = el.tamanho
    extremos = [b"\0", b"\xff", b"\0" * 7 + b"\x80", b"\xff" * 7 + b"\x7f", b"\x80"]
    brutos = [bytearray(arvore_aleatoria(el, rng)._a.m) for _ in range(n)] + \
        [bytearray(rng.randbytes(t)) for _ in range(n)] + [bytearray((x * t)[:t]) for x in extremos]
    for b in brutos:
        for d, _, largura, texto in el.todas_verificacoes:
            b[d + largura - 1 if texto else d:d + largura] = bytes(1 if texto else largura)
    return b"".join(brutos)


@pytest.mark.parametrize("nome", sorted(n for n, layout in nx.LAYOUTS.items() if Formato.serve(layout)))
def test_texto_com_numpy_como_registro_a_registro(nome):
    """Every layout numpy prints: a batch's text is the records' texts of the record-by-record
    path, joined as a list joins them."""
    el, ind = nx.LAYOUTS[nome], "    "
    bloco = _registros(el, random.Random(nome), 20)
    formato = Formato(el, ind, documento._formatador)
    for pagina in (1252, 932):
        p = textos.pagina(pagina)
        partes = []
        for k in range(len(bloco) // el.tamanho):
            saida = documento._Saida(partes.append, False)
            documento._registro(saida, el, Pacote(bloco, p), k * el.tamanho, None, ind)
            saida.esvaziar()
        texto = (",\n" + ind).join(partes)
        assert formato(bloco, True, p, bytearray()).decode() == texto
        assert formato(bloco, False, p, bytearray(1 << 16)).decode() == ",\n" + ind + texto


def test_lista_longa_como_o_nxgc(monkeypatch, tmp_path):
    """A list long enough for numpy, printed a batch at a time, prints as it does record by
    record, and as nxgc prints it."""
    el = nx.LAYOUTS["CNXDadosGC_CustoProducaoBaixaInsumo"]
    bloco = _registros(el, random.Random(1), 150)
    dados = nx.escrever(nx.CNXDadosGC_CustoProducaoResultado(
        CustoBaixaInsumo=np.frombuffer(bloco, vetorial.tipo(el, True))))
    monkeypatch.setattr(documento, "_LOTE", 64)
    texto = documento.texto_json(nx.ler(dados))
    monkeypatch.setattr(documento, "_MINIMO_VETORIAL", len(bloco))
    assert texto == documento.texto_json(nx.ler(dados))
    if nxgc_disponivel():
        arquivo = tmp_path / "l.nxgc"
        arquivo.write_bytes(dados)
        assert rodar_nxgc("dump", str(arquivo)).stdout.decode() == texto
