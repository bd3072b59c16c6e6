"""The conversion state: every decoded and derived value of one conversion."""

from __future__ import annotations


class State:
    """Every decoded and derived value of one conversion; numbers 0, texts blank."""

    def __getattr__(self, name):
        # Any value not set yet is 0 (texts are set explicitly where they are read).
        if name.startswith('__'):
            raise AttributeError(name)
        return 0.0


BLANK40 = b' ' * 40
