// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventPage.h"

#include <QCoreApplication>
#include <QString>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(EventPage)
};

// A text inside the script: a JavaScript string that no translation can end early, nor end the
// script itself with a "</script>".
QString scriptText(const QString &text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\') || c == QLatin1Char('<') || c == QLatin1Char('>')
            || c == QLatin1Char('&') || c.unicode() < 0x20 || c == QChar(0x2028) || c == QChar(0x2029))
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

} // namespace

QByteArray EventPageHtml()
{
    // The page speaks the window's language: the headings go in escaped as markup text, what the
    // script writes as script strings; "%1" in them is filled in by the script's fill().
    QString page = QStringLiteral(R"html(<!DOCTYPE html>
<html lang="{lang}">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{race-day}</title>
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
<header><h1 id="title">{race-day}</h1></header>
<section><h2 id="now-caption">{now-racing}</h2><table id="now"></table></section>
<section><h2>{on-deck}</h2><table id="deck"></table></section>
<section><h2>{standings}</h2><table id="standings"></table></section>
<section><h2>{enter-times}</h2>
<form id="enter">
<label>{join-code} <input id="code" autocomplete="off" inputmode="numeric"></label>
<div id="fields"></div>
<button type="submit">{record-heat}</button>
<p id="said"></p>
</form>
</section>
<script>
"use strict";
const T = {texts};
function fill(text, ...values) {
  return text.replace(/%(\d)/g, (all, n) => n >= 1 && n <= values.length ? String(values[n - 1]) : all);
}
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
    cell(row, fill(T.lane, lane + 1), "lane");
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
    label.textContent = fill(T.lane, lane + 1) + " " + car + " ";
    const input = document.createElement("input");
    input.dataset.lane = lane;
    input.inputMode = "decimal";
    input.placeholder = T.sOrDnf;
    label.appendChild(input);
    fields.appendChild(label);
  });
}
async function refresh() {
  try {
    const event = await (await fetch("event.json", {cache: "no-store"})).json();
    const standings = await (await fetch("standings.json", {cache: "no-store"})).json();
    document.getElementById("title").textContent = event.title || T.raceDay;
    const next = event.next;
    const changed = !state || state.next !== next;
    state = event;
    document.getElementById("now-caption").textContent = next > 0 ? fill(T.nowRacingHeat, next) : T.everyHeat;
    showHeat(document.getElementById("now"), next > 0 ? event.heats[next - 1] : null);
    showHeat(document.getElementById("deck"), next > 0 ? event.heats[next] : null);
    if (changed) showFields(next > 0 ? event.heats[next - 1] : null);
    const table = document.getElementById("standings");
    table.replaceChildren();
    const head = table.insertRow();
    for (const [text, cls] of [["#", "num"], [T.car, ""], [T.average, "num"], [T.best, "num"], [T.points, "num"]]) {
      const th = document.createElement("th");
      th.textContent = text;
      if (cls) th.className = cls;
      head.appendChild(th);
    }
    for (const s of standings.standings) {
      const row = table.insertRow();
      cell(row, String(s.place), "num");
      cell(row, s.withdrawn ? fill(T.withdrawn, s.car) : s.car);
      cell(row, seconds(s.average), "num");
      cell(row, seconds(s.best), "num");
      cell(row, String(s.points), "num");
    }
  } catch (e) { /* the next refresh tries again */ }
}
document.getElementById("enter").addEventListener("submit", async (e) => {
  e.preventDefault();
  const said = document.getElementById("said");
  if (!state || state.next < 1) { said.textContent = T.noHeat; return; }
  const heat = state.heats[state.next - 1];
  const times = heat.lanes.map(() => null);
  for (const input of document.querySelectorAll("#fields input")) {
    const text = input.value.trim();
    if (text.toUpperCase() === "DNF" || text === "") continue;
    const value = Number(text.replace(",", "."));
    if (!(value > 0)) { said.textContent = T.typeATime; return; }
    times[Number(input.dataset.lane)] = value;
  }
  const answer = await fetch("heats/" + state.next, {method: "POST", headers: {"Content-Type": "application/json"},
    body: JSON.stringify({code: document.getElementById("code").value, times: times})});
  const reply = await answer.json().catch(() => ({}));
  said.textContent = answer.ok ? fill(T.recorded, reply.recorded) : (reply.error || T.notRecorded);
  state = null;
  refresh();
});
refresh();
setInterval(refresh, 2000);
</script>
</body>
</html>
)html");
    const std::pair<const char *, QString> markup[] = {
        {"{lang}", Texts::tr("en", "the language code of the page, as in <html lang=\"en\">")},
        {"{race-day}", Texts::tr("Race day")},
        {"{now-racing}", Texts::tr("Now racing")},
        {"{on-deck}", Texts::tr("On deck")},
        {"{standings}", Texts::tr("Standings")},
        {"{enter-times}", Texts::tr("Enter times")},
        {"{join-code}", Texts::tr("Join code")},
        {"{record-heat}", Texts::tr("Record heat")},
    };
    for (const auto &[token, text] : markup)
        page.replace(QLatin1String(token), text.toHtmlEscaped());
    const std::pair<const char *, QString> script[] = {
        {"raceDay", Texts::tr("Race day")},
        {"lane", Texts::tr("Lane %1")},
        {"sOrDnf", Texts::tr("s or DNF")},
        {"nowRacingHeat", Texts::tr("Now racing: heat %1")},
        {"everyHeat", Texts::tr("Every heat is recorded")},
        {"car", Texts::tr("Car")},
        {"average", Texts::tr("Average")},
        {"best", Texts::tr("Best")},
        {"points", Texts::tr("Points")},
        {"withdrawn", Texts::tr("%1 (withdrawn)")},
        {"noHeat", Texts::tr("No heat to record.")},
        {"typeATime", Texts::tr("Type a time in seconds or DNF.")},
        {"recorded", Texts::tr("Heat %1 recorded.")},
        {"notRecorded", Texts::tr("Not recorded.")},
    };
    QStringList texts;
    for (const auto &[key, text] : script)
        texts << QLatin1String(key) + QLatin1Char(':') + scriptText(text);
    page.replace(QLatin1String("{texts}"), QLatin1Char('{') + texts.join(QLatin1Char(',')) + QLatin1Char('}'));
    return page.toUtf8();
}

} // namespace zindle
