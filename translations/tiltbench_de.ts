<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>PhysicsChecks</name>
    <message>
        <source>µk is below 0: the block sped up faster than it could without any friction. Check the photogate time (too short?), the block length and the angle.</source>
        <translation>µk ist kleiner als 0: Der Block wurde schneller, als es selbst ohne Reibung möglich wäre. Prüfen Sie die Lichtschrankenzeit (zu kurz?), die Blocklänge und den Winkel.</translation>
    </message>
    <message>
        <source>µ is over 2: the block would need more than twice its weight to hold it. Check the angle, and for µk the time and the length.</source>
        <translation>µ ist größer als 2: Der Block bräuchte mehr als das Doppelte seines Gewichts, um gehalten zu werden. Prüfen Sie den Winkel, bei µk auch Zeit und Länge.</translation>
    </message>
    <message>
        <source>The angle is 80° or more, steeper than the ramp tilts. Check the angle as typed.</source>
        <translation>Der Winkel beträgt 80° oder mehr, steiler, als die Rampe kippt. Prüfen Sie den eingegebenen Winkel.</translation>
    </message>
    <message>
        <source>The mean µk is above the mean µs: a block that slides needs less force to keep moving than to start. Check the kinetic trials&apos; times and lengths, and the static angles.</source>
        <translation>Der Mittelwert von µk liegt über dem von µs: Ein gleitender Block braucht weniger Kraft, um in Bewegung zu bleiben, als um loszugleiten. Prüfen Sie Zeiten und Längen der Gleitversuche und die Haftwinkel.</translation>
    </message>
</context>
</TS>
