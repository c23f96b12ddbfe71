"""Lists as numpy columns, and the checks of a packed buffer a column at a time.

A list block is `count` records of one layout, contiguous and 8-byte aligned: a numpy structured
array over the buffer, without a copy. Its dtype names every field of the record as the layout
does (numbers as their integers: currency in ten-thousandths, days, competences and moments as
their raw values, texts as bytes, locators as raw bytes; a member key as a nested record); gaps
are left out unless asked for.
"""

from typing import NamedTuple

try:
    import numpy as np
except ImportError:  # numpy is optional: the checks then run record by record, and columns are not offered
    np = None

from .esquema import Layout, Pacote
from .lista import Lista
from .textos import PADRAO, pagina
from .valores import ErroValor

_NUMEROS = {"u8": "u1", "char": "i1", "u16": "<u2", "u32": "<u4", "quantidade": "<u4", "CY": "<i8",
            "REG_NXMA": "<u2", "REG_NXDMA": "<u4", "REG_NXDMAHMSUTC": "<i8", "ponteiro": "<u8"}


def _numpy():
    if np is None:
        raise ImportError("columns need numpy (Debian: python3-numpy)")
    return np


def tipo(layout: Layout, lacunas: bool = False):
    """The numpy dtype of a record of `layout`: every field by name at its offset, gaps only when
    `lacunas` is true."""
    cache = layout.__dict__.setdefault("_tipos", {})
    t = cache.get(lacunas)
    if t is None:
        nomes, formatos, deslocamentos = [], [], []
        for c in layout.campos:
            if c.tipo == "lacuna" and not lacunas:
                continue
            if c.sub is not None:
                f = tipo(c.sub, lacunas)
            elif c.tipo in _NUMEROS:
                f = _NUMEROS[c.tipo]
            else:
                f = f"S{c.largura}" if c.tipo == "texto" else f"V{c.largura}"
            nomes.append(c.nome)
            formatos.append(f)
            deslocamentos.append(c.deslocamento)
        t = cache[lacunas] = _numpy().dtype({"names": nomes, "formats": formatos, "offsets": deslocamentos,
                                             "itemsize": layout.tamanho})
    return t


def colunas(lista: Lista, lacunas: bool = False):
    """The list as a read-only structured array: a view of its block when the list is still the
    block of a read tree, otherwise (a list changed or built here) an array over a copy of its
    records' bytes. A view shows the buffer as it is when asked for."""
    np = _numpy()
    filho = lista.filho
    if lista._itens is None:
        m, d, n = lista._a.m, lista._d, lista._n
    else:
        m, d, n = _juntar(filho, lista._itens), 0, len(lista._itens)
    if filho.elemento is None:
        a = np.frombuffer(m, "<u4", n, d) if n else np.zeros(0, "<u4")
    else:
        a = np.frombuffer(m, tipo(filho.elemento, lacunas), n, d) if n else np.zeros(0, tipo(filho.elemento, lacunas))
    a.flags.writeable = False
    return a


def _juntar(filho, itens) -> bytes:
    if filho.elemento is None:
        return np.array(itens, "<u4").tobytes()
    t = filho.tamanho
    return b"".join(bytes(r._a.m[r._p:r._p + t]) for r in itens)


class ColunasDaClasse(NamedTuple):
    """Every record of one class in the lists and holders of a tree, in the order of the tree."""
    registros: "np.ndarray"  # the records, a structured array (a copy)
    donos: list              # the path of each list or holder that holds some: "Resultado[3].CustoProcessamento"
    lista: "np.ndarray"      # for each record, the index in `donos` of its list


def colunas_da_classe(arvore, classe: str, lacunas: bool = False) -> ColunasDaClasse:
    """Every record of class `classe` below the root, gathered into one array, with the path of
    the list (or holder) each came from."""
    np = _numpy()
    blocos = []  # (path, buffer, offset, count) or (path, list of record objects)
    _procurar(arvore, "", classe, blocos)
    donos = [b[0] for b in blocos]
    alvo = next((f.elemento for f in _todos_os_filhos() if f.elemento is not None and f.elemento.nome == classe), None)
    if alvo is None:
        raise KeyError(f"no list or holder of the data classes holds {classe}")
    dt, t = tipo(alvo, lacunas), alvo.tamanho
    partes, quantos = [], []
    for b in blocos:
        if len(b) == 4:
            _, m, d, n = b
            partes.append(np.frombuffer(m, np.uint8, n * t, d))
        else:
            n = len(b[1])
            partes.append(np.frombuffer(_juntar(_Falso(alvo), b[1]), np.uint8))
        quantos.append(n)
    juntos = np.concatenate(partes) if partes else np.zeros(0, np.uint8)
    registros = juntos.view(dt) if len(juntos) else np.zeros(0, dt)
    return ColunasDaClasse(registros, donos, np.repeat(np.arange(len(donos)), quantos))


class _Falso:
    def __init__(self, elemento):
        self.elemento, self.tamanho = elemento, elemento.tamanho


def _todos_os_filhos():
    from .esquema import LAYOUTS
    for layout in LAYOUTS.values():
        yield from layout.filhos


def _procurar(registro, caminho: str, classe: str, blocos: list):
    """The blocks of `classe` below a record, appended to blocos in tree order."""
    layout = registro.layout
    if not layout.slots:
        return
    f = registro._filhos()
    for _, filho in layout.slots:
        valor = f[filho.nome]
        aqui = f"{caminho}.{filho.nome}" if caminho else filho.nome
        el = filho.elemento
        if el is None or valor is None:
            continue
        if filho.tipo == "unico":
            if el.nome == classe:
                blocos.append((aqui, [valor]))
            _procurar(valor, aqui, classe, blocos)
            continue
        if len(valor) == 0:
            continue
        if el.nome == classe:
            if valor._itens is None:
                blocos.append((aqui, valor._a.m, valor._d, valor._n))
            else:
                blocos.append((aqui, valor._itens))
        if _alcanca(el, classe):
            for k, r in enumerate(valor):
                _procurar(r, f"{aqui}[{k}]", classe, blocos)


def _alcanca(layout: Layout, classe: str) -> bool:
    """Whether records of `classe` can sit below a record of `layout`."""
    cache = layout.__dict__.setdefault("_alcanca", {})
    if classe not in cache:
        cache[classe] = False
        cache[classe] = any(f.elemento is not None and (f.elemento.nome == classe or _alcanca(f.elemento, classe))
                            for _, f in layout.slots)
    return cache[classe]


def de_colunas(filho, valor, p=None) -> Lista:
    """A list of `filho` made from a structured array (or a DataFrame) with the fields of its
    records, matched by name; fields left out are zero; texts under code page p (the default
    one when None). The records get no lists or holders of their own, so their counts and
    pointers must be zero; their texts must end in a zero."""
    np = _numpy()
    el = filho.elemento
    if type(valor) is not np.ndarray:
        if hasattr(valor, "to_records"):  # a pandas DataFrame
            valor = valor.to_records(index=False)
        valor = np.asarray(valor)
    p = p or pagina(PADRAO)
    n = len(valor) if valor.ndim else 0
    if el is None:
        if valor.dtype.names is not None or valor.ndim != 1 or valor.dtype.kind not in "ui":
            raise TypeError(f"expected a one-dimensional array of integers, got {valor.dtype}")
        if n and (valor.min() < 0 or valor.max() > 0xFFFFFFFF):
            raise ErroValor("a number outside 0..4294967295")
        return Lista.do_bloco(filho, Pacote(valor.astype("<u4").tobytes(), p), 0, n)
    if valor.dtype.names is None or valor.ndim != 1:
        raise TypeError(f"expected a structured array of {el.nome} records, got {valor.dtype}")
    completo, sem_lacunas = tipo(el, True), tipo(el)
    dt = valor.dtype
    if dt is completo or dt is sem_lacunas or dt == completo or dt == sem_lacunas:
        # Records as they lie (colunas() of a list): their bytes as they are, shared when they
        # are a view of a buffer that cannot change (a tree read from bytes), else copied.
        dados = valor.view(np.uint8) if valor.flags.c_contiguous and _imutavel(valor) else valor.tobytes()
    else:
        bloco = np.zeros(n, completo)
        for nome in dt.names:
            if nome not in completo.names:
                raise ErroValor(f"{el.nome} has no field {nome!r}")
            try:
                bloco[nome] = valor[nome]
            except (ValueError, TypeError) as e:
                raise ErroValor(f"field {nome}: {e}") from None
        dados = bloco.tobytes()
    _conferir(el, dados, n)
    return Lista.do_bloco(filho, Pacote(dados, p), 0, n)


def _imutavel(a) -> bool:
    """Whether the array's memory is that of a bytes object, which nothing can change."""
    while isinstance(a, np.ndarray):
        a = a.base
    return type(a) is bytes


def _conferir(el: Layout, dados, n: int):
    """Refuses records given as columns that have a count or pointer, or a text without its zero."""
    proibidos, textos = _proibidos(el)
    if not proibidos and not textos:
        return
    u8 = np.frombuffer(dados, np.uint8).reshape(n, el.tamanho)
    for d, largura, nome in proibidos:
        if u8[:, d:d + largura].any():
            raise ErroValor(f"field {nome}: records given as columns have no lists or holders of their own")
    for d, largura, campo in textos:
        if u8[:, d + largura - 1].any():
            k = int(np.flatnonzero(u8[:, d + largura - 1])[0])
            raise ErroValor(f"[{k}].{campo}: text of {largura} bytes or more does not fit (at most {largura - 1})")


def _proibidos(el: Layout):
    """The counts and pointers of a layout's records, and the texts of them and of their member
    keys: (offset, width, name) each."""
    r = el.__dict__.get("_proibidos")
    if r is None:
        r = el._proibidos = (
            [(c.deslocamento, c.largura, c.nome) for c in el.campos if c.lista is not None or c.tipo == "ponteiro"],
            [(d, largura, campo) for d, campo, largura, texto in el.todas_verificacoes if texto])
    return r


# ---- The checks of a buffer ---------------------------------------------------------------------

class _Grupo:
    """The blocks that one list or holder has across every record of one level of the tree."""

    def __init__(self, layout, tamanho, d, c, profundidade):
        self.layout, self.tamanho, self.d, self.c, self.profundidade = layout, tamanho, d, c, profundidade
        self.filhos, self.esperado = [], None


def _alinhar8(x):
    return (x + 7) & ~7


def verificar(leitor, raiz: Layout) -> bool:
    """Whether the body of the buffer (its header already checked by leitor) is a canonical tree
    within the limits: every check of the record-by-record walk, a level of the tree at a time.
    False means that some check fails (or the buffer is too odd to check this way): the caller
    then walks it record by record to name the first fault."""
    m, n = leitor.m, leitor.n
    if n % 8:
        return False
    u8 = np.frombuffer(m, np.uint8)
    u32, u64 = u8.view("<u4"), u8.view("<u8")
    inicio = leitor.cursor
    i64 = np.int64
    raiz_grupo = _Grupo(raiz, raiz.tamanho, np.array([inicio], i64), np.array([1], i64), 0)
    raiz_grupo.esperado = raiz_grupo.d
    fila, blocos, ocupados = [raiz_grupo], 1, _alinhar8(raiz.tamanho)
    if inicio + ocupados > n:
        return False
    k = 0
    while k < len(fila):
        g = fila[k]
        k += 1
        el = g.layout
        if el is None:
            continue
        if not el.slots and not el.todas_verificacoes:
            continue  # records with nothing of their own to check: the block itself is checked below
        t, c = g.tamanho, g.c
        total = int(c.sum())
        antes = np.cumsum(c) - c
        g.inicios_bloco = antes
        inicios = np.repeat(g.d, c) + (np.arange(total, dtype=i64) - np.repeat(antes, c)) * t
        g.inicios = inicios
        for d, _, largura, texto in el.todas_verificacoes:
            if texto:
                if u8[inicios + (d + largura - 1)].any():
                    return False
            elif d % 8 == 0 and largura == 8:
                if u64[(inicios + d) >> 3].any():
                    return False
            elif any(u8[inicios + (d + i)].any() for i in range(largura)):
                return False
        for _, f in el.slots:
            desloc = u64[(inicios + f.ponteiro) >> 3]
            if f.tipo == "lista":
                quantos = u32[(inicios + f.quantidade) >> 2].astype(i64)
                if ((desloc == 0) != (quantos == 0)).any():
                    return False
            else:
                quantos = (desloc != 0).astype(i64)
            cheio = desloc != 0
            if not cheio.any():
                g.filhos.append((cheio, None))
                continue
            if g.profundidade + 1 > leitor.profundidade_maxima or int(desloc.max()) > n:
                return False
            cd, cc = desloc[cheio].astype(i64), quantos[cheio]
            tamanhos = cc * f.tamanho
            if (tamanhos > n - cd).any():
                return False
            blocos += len(cd)
            ocupados += int(_alinhar8(tamanhos).sum())
            if blocos > leitor.blocos_maximos or ocupados > n:
                return False
            filho = _Grupo(f.elemento, f.tamanho, cd, cc, g.profundidade + 1)
            fila.append(filho)
            g.filhos.append((cheio, filho))
    if blocos != leitor.declarados:
        return False
    # Sizes of the subtrees, from the leaves up: a block and every block below its records.
    for g in reversed(fila):
        g.bloco = _alinhar8(g.c * g.tamanho)
        if g.layout is None or not g.filhos:
            g.subarvore = g.bloco
            g.abaixo = None
            continue
        abaixo = np.zeros(len(g.inicios), i64)
        for cheio, filho in g.filhos:
            if filho is not None:
                abaixo[cheio] += filho.subarvore
        g.abaixo = abaixo
        acumulado = np.cumsum(abaixo)
        fim_bloco = acumulado[np.cumsum(g.c) - 1]
        g.subarvore = g.bloco + fim_bloco - np.concatenate(([0], fim_bloco[:-1]))
    # Where each block must start, from the root down: its block, then each record's children
    # in slot order, each followed by the blocks below it.
    for g in fila:
        if not np.array_equal(g.d, g.esperado):
            return False
        fim = g.d + g.c * g.tamanho
        resto = fim & 7
        if resto.any():
            sel = resto != 0
            palavras = u64[(fim[sel] - resto[sel]) >> 3]
            if (palavras >> (resto[sel] * 8).astype(np.uint64)).any():
                return False
        if g.abaixo is None:
            continue
        antes_no_bloco = np.cumsum(g.abaixo) - g.abaixo
        antes_no_bloco -= np.repeat(antes_no_bloco[g.inicios_bloco], g.c)
        cursor = np.repeat(g.d + g.bloco, g.c) + antes_no_bloco
        for cheio, filho in g.filhos:
            if filho is not None:
                filho.esperado = cursor[cheio]
                cursor[cheio] += filho.subarvore
    if inicio + int(raiz_grupo.subarvore[0]) != n:
        return False
    leitor.cursor = n
    return True


# ---- pandas -------------------------------------------------------------------------------------

def tabela(lista: Lista):
    """The list as a pandas DataFrame, a column per field (gaps, counts and pointers left out):
    currency as exact integers of ten-thousandths (column "<field>" / 10000 is the amount),
    days and competences as pandas periods (NaT where the raw value is no valid date: the raw
    values are in colunas()), moments as their raw int64, texts decoded with the tree's code
    page, other byte fields as bytes."""
    try:
        import pandas as pd
    except ImportError:
        raise ImportError("tables need pandas (Debian: python3-pandas)") from None
    from . import textos
    a = colunas(lista)
    el = lista.filho.elemento
    if el is None:
        return pd.DataFrame({lista.filho.nome: a.astype(np.int64)})
    pagina = lista._a.pagina if lista._itens is None else (lista._itens[0]._a.pagina if lista._itens else None)
    dados = {}
    for c in el.campos:
        if c.tipo in ("lacuna", "ponteiro") or c.lista is not None or c.sub is not None:
            continue
        x = a[c.nome]
        if c.tipo == "REG_NXDMA":
            dados[c.nome] = _periodos(x.astype(np.int64), 2, 1048247, -44562, "D")  # day 2 is 1848-01-01
        elif c.tipo == "REG_NXMA":
            dados[c.nome] = _periodos(x.astype(np.int64), 1, 34440, -1465, "M")  # competence 1 is 1848-01
        elif c.tipo == "texto":
            p = pagina or textos.pagina(textos.PADRAO)
            dados[c.nome] = pd.array([textos.texto_do_campo(b + b"\0", p)[0] for b in x.tolist()], dtype=object)
        elif c.tipo in _NUMEROS:
            dados[c.nome] = x.astype(np.int64) if x.dtype.itemsize < 8 or x.dtype.kind == "i" else x
        else:
            dados[c.nome] = pd.array([bytes(b) for b in x.tolist()], dtype=object)
    return pd.DataFrame(dados)


def _periodos(bruto, minimo, maximo, origem, frequencia):
    """Raw day numbers or competences as a pandas PeriodArray: ordinal = raw + origem (periods
    count from 1970-01-01 or 1970-01), NaT outside minimo..maximo."""
    import pandas as pd
    valido = (bruto >= minimo) & (bruto <= maximo)
    ordinais = np.where(valido, bruto + origem, np.iinfo(np.int64).min)
    return pd.arrays.PeriodArray(ordinais, freq=frequencia)
