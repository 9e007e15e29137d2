"""The human-readable account of a generator run (printed to stderr)."""

from collections import Counter

from .entries import catalogue_entries
from .generate import DROP_BELOW_ORPHAN, DROP_NO_ENTRY, DROP_ORPHAN, DROP_REPEAT
from .layout import DroppedPlacements
from .rows import DROP_REASONS

_ROW_REASONS = DROP_REASONS + (DROP_REPEAT, DROP_ORPHAN, DROP_BELOW_ORPHAN, DROP_NO_ENTRY)


def _row_lines(catalogue):
    applications = list(catalogue.summaries)
    yield "Rows dropped, by reason (" + " / ".join(applications) + " / total):"
    totals = Counter()
    for summary in catalogue.summaries.values():
        totals.update(summary.dropped_rows)
    for reason in _ROW_REASONS:
        counts = [catalogue.summaries[a].dropped_rows[reason] for a in applications]
        yield f"  {reason}: " + " / ".join(map(str, counts)) + f" / {totals[reason]}"
    rows = [catalogue.summaries[a].rows for a in applications]
    yield "  data rows read: " + " / ".join(map(str, rows)) + f" / {sum(rows)}"


def _placement_lines(catalogue):
    total = DroppedPlacements()
    for summary in catalogue.summaries.values():
        total.merge(summary.dropped_placements)
    yield "Placements dropped with their subtrees, by kind (all applications):"
    for kind, count in sorted(total.placements.items(), key=lambda item: (-item[1], item[0])):
        yield f"  {kind}: {count} (with {total.descendants[kind]} descendants)"
    yield (f"  total: {sum(total.placements.values())} "
           f"(with {sum(total.descendants.values())} descendants)")


def _document_lines(catalogue):
    yield "Documents (elements incl. root / with idMso / depth / stored bytes cn en jp):"
    sizes = {}
    for entry in catalogue_entries():
        sizes.setdefault((entry.application, entry.area), []).append(len(catalogue.documents[entry.file_name]))
    total = 0
    for group in catalogue.groups:
        elements, with_id, depth = group.statistics()
        total += elements * 3
        group_sizes = " ".join(map(str, sizes[(group.application, group.area)]))
        yield f"  {group.application} {group.area}: {elements} / {with_id} / {depth} / {group_sizes}"
    yield f"  all 57 documents: {total} elements"
    smallest = min(catalogue.documents.items(), key=lambda item: (len(item[1]), item[0]))
    largest = max(catalogue.documents.items(), key=lambda item: (len(item[1]), item[0]))
    yield f"  smallest: {smallest[0]} ({len(smallest[1])} bytes); largest: {largest[0]} ({len(largest[1])} bytes)"


def summary_text(catalogue):
    lines = [*_row_lines(catalogue), *_placement_lines(catalogue), *_document_lines(catalogue)]
    return "\n".join(lines) + "\n"
