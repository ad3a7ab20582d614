<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>RampView</name>
    <message>
        <source>Ramp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ramp at its current angle, with the block and the photogate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RampWindow</name>
    <message>
        <source>Tiltbench Virtual Ramp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ramp&apos;s angle to 0.1 degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ramp&apos;s angle when the block last slid, to 0.001 degree as the log has it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The photogate&apos;s last time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the block is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether the program&apos;s line settings match the indexer&apos;s; while they differ, no command is understood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Place Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the block back at the top of the ramp, at rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block: at rest at the top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block: sliding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block: passed the gate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block: stopped by friction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle: %1°</source>
        <extracomment>The ramp&apos;s angle now, in degrees.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slid at: not yet</source>
        <extracomment>The block has not slid yet.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slid at: %1°</source>
        <extracomment>The ramp&apos;s angle in degrees when the block last slid.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last ΔT: none yet</source>
        <extracomment>No time from the photogate yet.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last ΔT: %1 ms</source>
        <extracomment>The photogate&apos;s last time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line: %1, as the indexer&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line mismatch: the program set %1, the indexer uses %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
