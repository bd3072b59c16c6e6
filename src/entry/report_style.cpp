// Shell side blue, tube side orange, in the drawing, its legend and the records table alike.
#include "entry/report_style.hpp"

namespace qalt2morv::page {

const std::string_view kReportStyle = R"css(
@page { size: A4 landscape; margin: 12mm; }
:root { --shell: #1f5c99; --shell-fill: #d3e4f5; --tube: #b4490f; --tube-fill: #fbdcc8; }
body { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 14px; color: #222;
       margin: 16px 24px; }
h1 { font-size: 22px; margin: 0 0 8px; }
h2 { font-size: 17px; margin: 20px 0 6px; border-bottom: 1px solid #ccc; }
h3 { font-size: 15px; margin: 14px 0 4px; }
dl.facts { display: grid; grid-template-columns: max-content auto; gap: 2px 14px; margin: 0; }
dl.facts dt { font-weight: bold; }
dl.facts dd { margin: 0; white-space: pre-wrap; }
.status-ok { color: #1b6e2a; font-weight: bold; }
.status-failed { color: #b00020; font-weight: bold; }
section.error { border: 2px solid #b00020; padding: 6px 12px; margin-top: 14px; background: #fff3f4; }
table { border-collapse: collapse; }
th, td { border: 1px solid #ccc; padding: 2px 6px; text-align: left; vertical-align: top; }
th { background: #f2f2f2; }
td.value, td.found { font-family: "DejaVu Sans Mono", monospace; white-space: pre-wrap; }
.deck-line { white-space: nowrap; border-bottom: 1px dotted #888; cursor: help; }
.shell-text { color: var(--shell); font-weight: bold; }
.tube-text { color: var(--tube); font-weight: bold; }
tr.shell-side td:first-child { border-left: 4px solid var(--shell); }
tr.tube-side td:first-child { border-left: 4px solid var(--tube); }
figure { margin: 0; break-inside: avoid; page-break-inside: avoid; }
svg.drawing { width: 100%; max-width: 1100px; height: auto; display: block; }
svg .outline { fill: #fff; stroke: #222; stroke-width: 1.5; }
svg .outline.heavy { stroke-width: 4; }
svg .flange, svg .cover { fill: #e8e8e8; }
svg .packing { fill: #bbb; stroke: #222; stroke-width: 1; }
svg .ring { fill: #999; stroke: #222; stroke-width: 1; }
svg .bore { fill: none; stroke: #666; stroke-width: 1; stroke-dasharray: 4 3; }
svg .inner { fill: #f4f4f4; stroke: #555; stroke-width: 1.2; }
svg .tubesheet { fill: #777; stroke: #222; stroke-width: 1; }
svg .tubes { fill: none; stroke: #777; stroke-width: 1.2; }
svg .baffle { stroke: #222; stroke-width: 3; stroke-dasharray: 10 4; }
svg .axis { stroke: #555; stroke-width: 1; stroke-dasharray: 18 4 3 4; }
svg .belt { fill: #efe3b8; stroke: #7a6420; stroke-width: 1.5; }
svg .header { fill: #eee; }
svg .fan { fill: #ddd; stroke: #222; stroke-width: 1.2; }
svg .plenum { fill: none; stroke: #888; stroke-width: 1; }
svg .shaft { stroke: #222; stroke-width: 2; }
svg .leader { fill: none; stroke: #888; stroke-width: 0.8; }
svg .label { font-size: 12px; font-weight: bold; }
svg .caption { font-size: 13px; }
svg .legend { font-size: 11px; fill: #333; }
svg .flow { fill: #222; }
svg .marker { fill: #222; }
svg .marker-line { stroke: #222; stroke-width: 1.5; }
svg .body-legend { fill: #fff; stroke: #222; stroke-width: 1; }
svg .shell-side .body, svg .shell-side-swatch { fill: var(--shell-fill); stroke: var(--shell); stroke-width: 1.5; }
svg .tube-side .body, svg .tube-side-swatch { fill: var(--tube-fill); stroke: var(--tube); stroke-width: 1.5; }
svg .shell-side .label { fill: var(--shell); }
svg .tube-side .label { fill: var(--tube); }
svg .dome .label { fill: #7a6420; }
@media print { body { margin: 0; font-size: 11px; } h2 { break-after: avoid; }
               svg.drawing { max-height: 115mm; } tr { break-inside: avoid; } }
)css";

}  // namespace qalt2morv::page
