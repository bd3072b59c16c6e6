"""The conversion's statuses and the failure that carries one."""

from __future__ import annotations


STATUS_OK = 0
STATUS_DECK_MISSING = 1500
STATUS_MALFORMED = 1501


class ConversionFailed(Exception):
    def __init__(self, status, why=''):
        super().__init__(why)
        self.status = status
        self.why = why
