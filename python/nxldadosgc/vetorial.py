"""The checks of a packed buffer a column at a time, with numpy."""

try:
    import numpy as np
except ImportError:  # numpy is optional: the checks then run record by record
    np = None

BYTES_MINIMOS = 1 << 16


def verificar(leitor, layout) -> bool:
    return False
