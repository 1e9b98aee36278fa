<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AnimationTours</name>
    <message numerus="yes">
        <source>%n ms a quarter turn</source>
        <translation>
            <numerusform>%n ms a quarter turn</numerusform>
            <numerusform>%n ms a quarter turn</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message numerus="yes">
        <source>its counter shows %1 but its log has %n line(s)</source>
        <translation>
            <numerusform>its counter shows %1 but its log has %n line</numerusform>
            <numerusform>its counter shows %1 but its log has %n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its counter shows nothing but its log has %n line(s)</source>
        <translation>
            <numerusform>its counter shows nothing but its log has %n line</numerusform>
            <numerusform>its counter shows nothing but its log has %n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its chosen line %1 is not in its log of %n line(s)</source>
        <translation>
            <numerusform>its chosen line %1 is not in its log of %n line</numerusform>
            <numerusform>its chosen line %1 is not in its log of %n lines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FichiersSession</name>
    <message numerus="yes">
        <source>Kept on %1, with %n log line(s).</source>
        <translation>
            <numerusform>Kept on %1, with %n log line.</numerusform>
            <numerusform>Kept on %1, with %n log lines.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuJournal</name>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n move</numerusform>
            <numerusform>%n moves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %1, without turning the whole cube (the log has %n turn(s)).</source>
        <translation>
            <numerusform>Copied %1, without turning the whole cube (the log has %n turn).</numerusform>
            <numerusform>Copied %1, without turning the whole cube (the log has %n turns).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n log line(s).</source>
        <translation>
            <numerusform>Copied %n log line.</numerusform>
            <numerusform>Copied %n log lines.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Not set up: %1 (and %n more)</source>
        <translation>
            <numerusform>Not set up: %1 (and %n more)</numerusform>
            <numerusform>Not set up: %1 (and %n more)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Relecture</name>
    <message numerus="yes">
        <source>%n move(s) replayed</source>
        <translation>
            <numerusform>%n move replayed</numerusform>
            <numerusform>%n moves replayed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied the solution since the last scramble: %n move(s), one part a line.</source>
        <translation>
            <numerusform>Copied the solution since the last scramble: %n move, one part a line.</numerusform>
            <numerusform>Copied the solution since the last scramble: %n moves, one part a line.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The cube is solved: %n move(s).</source>
        <translation>
            <numerusform>The cube is solved: %n move.</numerusform>
            <numerusform>The cube is solved: %n moves.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResolutionCourte</name>
    <message numerus="yes">
        <source>Solved in %n move(s), the fewest possible.</source>
        <translation>
            <numerusform>Solved in %n move, the fewest possible.</numerusform>
            <numerusform>Solved in %n moves, the fewest possible.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Solved in %n move(s).</source>
        <translation>
            <numerusform>Solved in %n move.</numerusform>
            <numerusform>Solved in %n moves.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaisieMouvements</name>
    <message numerus="yes">
        <source>%n quarter turn(s): Enter plays them.</source>
        <translation>
            <numerusform>%n quarter turn: Enter plays it.</numerusform>
            <numerusform>%n quarter turns: Enter plays them.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>merlos-solve</name>
    <message numerus="yes">
        <source>no solution of at most %n move(s) found in %1 ms</source>
        <translation>
            <numerusform>no solution of at most %n move found in %1 ms</numerusform>
            <numerusform>no solution of at most %n moves found in %1 ms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>solved %1 of %n</source>
        <translation>
            <numerusform>solved %1 of %n</numerusform>
            <numerusform>solved %1 of %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>notation</name>
    <message numerus="yes">
        <source>The %1 corner is on the cube %n times (at %2); every piece is there once.</source>
        <translation>
            <numerusform>The %1 corner is on the cube %n time (at %2); every piece is there once.</numerusform>
            <numerusform>The %1 corner is on the cube %n times (at %2); every piece is there once.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 edge is on the cube %n times (at %2); every piece is there once.</source>
        <translation>
            <numerusform>The %1 edge is on the cube %n time (at %2); every piece is there once.</numerusform>
            <numerusform>The %1 edge is on the cube %n times (at %2); every piece is there once.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n square(s) have no colour yet.</source>
        <translation>
            <numerusform>%n square has no colour yet.</numerusform>
            <numerusform>%n squares have no colour yet.</numerusform>
        </translation>
    </message>
</context>
</TS>
