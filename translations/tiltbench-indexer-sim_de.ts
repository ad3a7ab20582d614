<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>RampView</name>
    <message>
        <source>Ramp</source>
        <translation>Rampe</translation>
    </message>
    <message>
        <source>The ramp at its current angle, with the block and the photogate</source>
        <translation>Die Rampe in ihrem aktuellen Winkel, mit Klotz und Lichtschranke</translation>
    </message>
</context>
<context>
    <name>RampWindow</name>
    <message>
        <source>Tiltbench Virtual Ramp</source>
        <translation>Virtuelle Tiltbench-Rampe</translation>
    </message>
    <message>
        <source>The ramp&apos;s angle to 0.1 degree</source>
        <translation>Der Winkel der Rampe auf 0,1 Grad genau</translation>
    </message>
    <message>
        <source>The ramp&apos;s angle when the block last slid, to 0.001 degree as the log has it</source>
        <translation>Der Winkel der Rampe, als der Klotz zuletzt losrutschte, auf 0,001 Grad genau wie im Log</translation>
    </message>
    <message>
        <source>The photogate&apos;s last time</source>
        <translation>Die letzte Zeit der Lichtschranke</translation>
    </message>
    <message>
        <source>Where the block is</source>
        <translation>Wo der Klotz ist</translation>
    </message>
    <message>
        <source>Whether the program&apos;s line settings match the indexer&apos;s; while they differ, no command is understood</source>
        <translation>Ob die Leitungseinstellungen des Programms zu denen der Schrittmotorsteuerung passen; solange sie abweichen, wird kein Befehl verstanden</translation>
    </message>
    <message>
        <source>&amp;Place Block</source>
        <translation>Klotz &amp;aufsetzen</translation>
    </message>
    <message>
        <source>Put the block back at the top of the ramp, at rest</source>
        <translation>Den Klotz wieder ruhend oben auf die Rampe setzen</translation>
    </message>
    <message>
        <source>Block: at rest at the top</source>
        <translation>Klotz: ruht oben</translation>
    </message>
    <message>
        <source>Block: sliding</source>
        <translation>Klotz: rutscht</translation>
    </message>
    <message>
        <source>Block: passed the gate</source>
        <translation>Klotz: hat die Lichtschranke passiert</translation>
    </message>
    <message>
        <source>Block: stopped by friction</source>
        <translation>Klotz: durch Reibung gestoppt</translation>
    </message>
    <message>
        <source>Angle: %1°</source>
        <extracomment>The ramp&apos;s angle now, in degrees.</extracomment>
        <translation>Winkel: %1°</translation>
    </message>
    <message>
        <source>Slid at: not yet</source>
        <extracomment>The block has not slid yet.</extracomment>
        <translation>Losgerutscht bei: noch nicht</translation>
    </message>
    <message>
        <source>Slid at: %1°</source>
        <extracomment>The ramp&apos;s angle in degrees when the block last slid.</extracomment>
        <translation>Losgerutscht bei: %1°</translation>
    </message>
    <message>
        <source>Last ΔT: none yet</source>
        <extracomment>No time from the photogate yet.</extracomment>
        <translation>Letztes ΔT: noch keines</translation>
    </message>
    <message>
        <source>Last ΔT: %1 ms</source>
        <extracomment>The photogate&apos;s last time.</extracomment>
        <translation>Letztes ΔT: %1 ms</translation>
    </message>
    <message>
        <source>Line: %1, as the indexer&apos;s</source>
        <translation>Leitung: %1, wie bei der Schrittmotorsteuerung</translation>
    </message>
    <message>
        <source>Line mismatch: the program set %1, the indexer uses %2</source>
        <translation>Leitung passt nicht: Das Programm stellte %1 ein, die Schrittmotorsteuerung verwendet %2</translation>
    </message>
</context>
</TS>
