// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventPage.h"

namespace zindle {

QByteArray EventPageHtml()
{
    return QByteArrayLiteral(R"html(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Race day</title>
<style>
body { font-family: sans-serif; margin: 0; background: #fff; color: #111; }
header { background: #123; color: #fff; padding: 12px 16px; }
h1 { font-size: 1.3em; margin: 0; }
section { padding: 8px 16px; border-bottom: 1px solid #ccc; }
h2 { font-size: 1.05em; margin: 8px 0; }
table { border-collapse: collapse; width: 100%; }
td, th { text-align: left; padding: 4px 6px; border-bottom: 1px solid #eee; font-size: 0.95em; }
td.num, th.num { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
.lane { color: #555; width: 3.5em; }
form label { display: block; margin: 6px 0; }
input { font-size: 1.1em; width: 7em; padding: 4px; }
button { font-size: 1.1em; padding: 6px 16px; margin-top: 6px; }
#said { margin: 6px 0; font-weight: bold; }
</style>
</head>
<body>
<header><h1 id="title">Race day</h1></header>
<section><h2 id="now-caption">Now racing</h2><table id="now"></table></section>
<section><h2>On deck</h2><table id="deck"></table></section>
<section><h2>Standings</h2><table id="standings"></table></section>
<section><h2>Enter times</h2>
<form id="enter">
<label>Join code <input id="code" autocomplete="off" inputmode="numeric"></label>
<div id="fields"></div>
<button type="submit">Record heat</button>
<p id="said"></p>
</form>
</section>
<script>
"use strict";
let state = null;
function cell(row, text, cls) {
  const td = document.createElement("td");
  td.textContent = text;
  if (cls) td.className = cls;
  row.appendChild(td);
}
function seconds(t) { return t === null || t === undefined ? "-" : t.toFixed(3) + " s"; }
function showHeat(table, heat) {
  table.replaceChildren();
  if (!heat) return;
  heat.lanes.forEach((car, lane) => {
    const row = table.insertRow();
    cell(row, "Lane " + (lane + 1), "lane");
    cell(row, car === null ? "-" : car);
  });
}
function showFields(heat) {
  const fields = document.getElementById("fields");
  fields.replaceChildren();
  if (!heat) return;
  heat.lanes.forEach((car, lane) => {
    if (car === null) return;
    const label = document.createElement("label");
    label.textContent = "Lane " + (lane + 1) + " " + car + " ";
    const input = document.createElement("input");
    input.dataset.lane = lane;
    input.inputMode = "decimal";
    input.placeholder = "s or DNF";
    label.appendChild(input);
    fields.appendChild(label);
  });
}
async function refresh() {
  try {
    const event = await (await fetch("event.json", {cache: "no-store"})).json();
    const standings = await (await fetch("standings.json", {cache: "no-store"})).json();
    document.getElementById("title").textContent = event.title || "Race day";
    const next = event.next;
    const changed = !state || state.next !== next;
    state = event;
    document.getElementById("now-caption").textContent = next > 0 ? "Now racing: heat " + next : "Every heat is recorded";
    showHeat(document.getElementById("now"), next > 0 ? event.heats[next - 1] : null);
    showHeat(document.getElementById("deck"), next > 0 ? event.heats[next] : null);
    if (changed) showFields(next > 0 ? event.heats[next - 1] : null);
    const table = document.getElementById("standings");
    table.replaceChildren();
    const head = table.insertRow();
    for (const [text, cls] of [["#", "num"], ["Car", ""], ["Average", "num"], ["Best", "num"], ["Points", "num"]]) {
      const th = document.createElement("th");
      th.textContent = text;
      if (cls) th.className = cls;
      head.appendChild(th);
    }
    for (const s of standings.standings) {
      const row = table.insertRow();
      cell(row, String(s.place), "num");
      cell(row, s.car + (s.withdrawn ? " (withdrawn)" : ""));
      cell(row, seconds(s.average), "num");
      cell(row, seconds(s.best), "num");
      cell(row, String(s.points), "num");
    }
  } catch (e) { /* the next refresh tries again */ }
}
document.getElementById("enter").addEventListener("submit", async (e) => {
  e.preventDefault();
  const said = document.getElementById("said");
  if (!state || state.next < 1) { said.textContent = "No heat to record."; return; }
  const heat = state.heats[state.next - 1];
  const times = heat.lanes.map(() => null);
  for (const input of document.querySelectorAll("#fields input")) {
    const text = input.value.trim();
    if (text.toUpperCase() === "DNF" || text === "") continue;
    const value = Number(text.replace(",", "."));
    if (!(value > 0)) { said.textContent = "Type a time in seconds or DNF."; return; }
    times[Number(input.dataset.lane)] = value;
  }
  const answer = await fetch("heats/" + state.next, {method: "POST", headers: {"Content-Type": "application/json"},
    body: JSON.stringify({code: document.getElementById("code").value, times: times})});
  const reply = await answer.json().catch(() => ({}));
  said.textContent = answer.ok ? "Heat " + reply.recorded + " recorded." : (reply.error || "Not recorded.");
  state = null;
  refresh();
});
refresh();
setInterval(refresh, 2000);
</script>
</body>
</html>
)html");
}

} // namespace zindle
