<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FrictionCalc</name>
    <message>
        <source>Error in Angle</source>
        <translation>Fehler im Winkel</translation>
    </message>
    <message>
        <source>Please enter a numeric angle less than 90 and greater than 0 degrees.</source>
        <translation>Bitte geben Sie als Winkel eine Zahl größer als 0 und kleiner als 90 Grad ein.</translation>
    </message>
    <message>
        <source>The angle entered lies outside the range of numbers the calculator can compute with.</source>
        <translation>Der eingegebene Winkel liegt außerhalb des Zahlenbereichs, mit dem der Rechner rechnen kann.</translation>
    </message>
    <message>
        <source>Error in Length of Block</source>
        <translation>Fehler in der Klotzlänge</translation>
    </message>
    <message>
        <source>Please enter a numeric length greater than 0 cm.</source>
        <translation>Bitte geben Sie als Länge eine Zahl größer als 0 cm ein.</translation>
    </message>
    <message>
        <source>The length of block entered lies outside the range of numbers the calculator can compute with.</source>
        <translation>Die eingegebene Klotzlänge liegt außerhalb des Zahlenbereichs, mit dem der Rechner rechnen kann.</translation>
    </message>
    <message>
        <source>Error in delta T</source>
        <translation>Fehler in delta T</translation>
    </message>
    <message>
        <source>Please enter a numeric time greater than 0 sec.</source>
        <translation>Bitte geben Sie als Zeit eine Zahl größer als 0 s ein.</translation>
    </message>
    <message>
        <source>The delta T entered lies outside the range of numbers the calculator can compute with.</source>
        <translation>Das eingegebene delta T liegt außerhalb des Zahlenbereichs, mit dem der Rechner rechnen kann.</translation>
    </message>
    <message>
        <source>Error in Acceleration Due to Gravity</source>
        <translation>Fehler in der Fallbeschleunigung</translation>
    </message>
    <message>
        <source>Please enter a numeric acceleration greater than 0 m/s^2.</source>
        <translation>Bitte geben Sie als Beschleunigung eine Zahl größer als 0 m/s^2 ein.</translation>
    </message>
    <message>
        <source>The acceleration due to gravity entered lies outside the range of numbers the calculator can compute with.</source>
        <translation>Die eingegebene Fallbeschleunigung liegt außerhalb des Zahlenbereichs, mit dem der Rechner rechnen kann.</translation>
    </message>
    <message>
        <source>The inputs are too extreme to compute: %1.</source>
        <extracomment>%1 says which step went wrong, such as &quot;delta T is too small&quot;.</extracomment>
        <translation>Mit diesen Eingaben lässt sich nicht rechnen: %1.</translation>
    </message>
    <message>
        <source>the coefficient is too large</source>
        <translation>die Reibungszahl ist zu groß</translation>
    </message>
    <message>
        <source>the length of block and delta T are too small</source>
        <translation>Klotzlänge und delta T sind zu klein</translation>
    </message>
    <message>
        <source>the length of block is too small</source>
        <translation>die Klotzlänge ist zu klein</translation>
    </message>
    <message>
        <source>delta T is too small</source>
        <translation>delta T ist zu klein</translation>
    </message>
    <message>
        <source>the speed of the block (length of block over delta T) is too large</source>
        <translation>die Geschwindigkeit des Klotzes (Klotzlänge durch delta T) ist zu groß</translation>
    </message>
    <message>
        <source>the length of block and the acceleration due to gravity are too small</source>
        <translation>Klotzlänge und Fallbeschleunigung sind zu klein</translation>
    </message>
    <message>
        <source>the length of block and the acceleration due to gravity are too large</source>
        <translation>Klotzlänge und Fallbeschleunigung sind zu groß</translation>
    </message>
</context>
<context>
    <name>LineSettingsText</name>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No parity bit.</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
</context>
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
<context>
    <name>PortMapEditor</name>
    <message>
        <source>(default: %1)</source>
        <extracomment>The first entry of a port&apos;s device list: the device the port has without a link.</extracomment>
        <translation>(Standard: %1)</translation>
    </message>
    <message>
        <source>(default: none)</source>
        <extracomment>The first entry of a port&apos;s device list, when the port has no device of its own.</extracomment>
        <translation>(Standard: keines)</translation>
    </message>
</context>
<context>
    <name>PortMapWriter</name>
    <message>
        <source>there is no port map on this system</source>
        <translation>auf diesem System gibt es keine Anschlusszuordnung</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>ports are not mapped by links on this system</source>
        <translation>auf diesem System werden Anschlüsse nicht über Links zugeordnet</translation>
    </message>
</context>
<context>
    <name>PortMessages</name>
    <message>
        <source>Choose another setting in Options &gt; Port Properties...</source>
        <translation>Wählen Sie eine andere Einstellung unter Optionen &gt; Anschlusseinstellungen...</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>gerade Parität</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>ungerade Parität</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>Markierungsparität</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>Leerzeichenparität</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>keine Parität</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 Stoppbit</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <translation>1,5 Stoppbits</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 Stoppbits</translation>
    </message>
    <message>
        <source>no flow control</source>
        <translation>keine Flusssteuerung</translation>
    </message>
    <message>
        <source>Xon/Xoff flow control</source>
        <translation>Xon/Xoff-Flusssteuerung</translation>
    </message>
    <message>
        <source>RTS/CTS flow control</source>
        <translation>RTS/CTS-Flusssteuerung</translation>
    </message>
    <message>
        <source>Xon/Xoff and RTS/CTS flow control together</source>
        <translation>Xon/Xoff- und RTS/CTS-Flusssteuerung zugleich</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 an %2</translation>
    </message>
    <message>
        <source>a speed of %1 bits per second</source>
        <translation>eine Geschwindigkeit von %1 Bit pro Sekunde</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation>%1 Datenbits</translation>
    </message>
    <message>
        <source>the settings %1</source>
        <translation>die Einstellungen %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line setting %2 can use. Give the speed, parity, data bits and stop bits separated by commas, for example 9600,N,8,1.</source>
        <translation>„%1“ ist keine Leitungseinstellung, die %2 verwenden kann. Geben Sie Geschwindigkeit, Parität, Datenbits und Stoppbits durch Kommas getrennt an, zum Beispiel 9600,N,8,1.</translation>
    </message>
    <message>
        <source>%1 cannot use %2 data bits: serial ports on this computer send 5 to 8 data bits. %3</source>
        <translation>%1 kann keine %2 Datenbits verwenden: Serielle Schnittstellen an diesem Computer senden 5 bis 8 Datenbits. %3</translation>
    </message>
    <message>
        <source>%1 cannot use 1.5 stop bits: this system offers only 1 or 2 stop bits. %2</source>
        <translation>%1 kann keine 1,5 Stoppbits verwenden: Dieses System bietet nur 1 oder 2 Stoppbits. %2</translation>
    </message>
    <message>
        <source>%1 cannot use Xon/Xoff and RTS/CTS flow control together. Choose one of them, or None.</source>
        <translation>%1 kann Xon/Xoff- und RTS/CTS-Flusssteuerung nicht zugleich verwenden. Wählen Sie eine davon oder Keine.</translation>
    </message>
    <message>
        <source>%1 is not a flow control for %2. Use 0 (None), 1 (Xon/Xoff), 2 (RTS/CTS) or 3 (Xon/RTS).</source>
        <translation>%1 ist keine Flusssteuerung für %2. Verwenden Sie 0 (Keine), 1 (Xon/Xoff), 2 (RTS/CTS) oder 3 (Xon/RTS).</translation>
    </message>
    <message>
        <source>%1 is not a port number. Port numbers start at 1 (Com1).</source>
        <translation>%1 ist keine Anschlussnummer. Anschlussnummern beginnen bei 1 (Com1).</translation>
    </message>
    <message>
        <source>%1 is open, so the port number cannot change. Close the port first, then choose the new one.</source>
        <translation>%1 ist geöffnet, daher kann sich die Anschlussnummer nicht ändern. Schließen Sie zuerst den Anschluss und wählen Sie dann den neuen.</translation>
    </message>
    <message>
        <source>%1 is already open.</source>
        <translation>%1 ist bereits geöffnet.</translation>
    </message>
    <message>
        <source>%1 could not be opened: there is no such port. Plug in the adapter, or choose another port.</source>
        <translation>%1 konnte nicht geöffnet werden: Diesen Anschluss gibt es nicht. Schließen Sie den Adapter an oder wählen Sie einen anderen Anschluss.</translation>
    </message>
    <message>
        <source>%1 has no device</source>
        <translation>%1 hat kein Gerät</translation>
    </message>
    <message>
        <source>%1 could not be opened: there is no device %2</source>
        <translation>%1 konnte nicht geöffnet werden: Es gibt kein Gerät %2</translation>
    </message>
    <message>
        <source>%1. Plug in the adapter, or choose its device in Options &gt; Port Map... (without the program: ln -s /dev/ttyUSB0 %2)</source>
        <translation>%1. Schließen Sie den Adapter an oder wählen Sie sein Gerät unter Optionen &gt; Anschlusszuordnung... (ohne das Programm: ln -s /dev/ttyUSB0 %2)</translation>
    </message>
    <message>
        <source>%1 could not be opened: its link %2 points to %3, which does not exist. Plug in the adapter, or choose its device in Options &gt; Port Map...</source>
        <translation>%1 konnte nicht geöffnet werden: Sein Link %2 zeigt auf %3, das es nicht gibt. Schließen Sie den Adapter an oder wählen Sie sein Gerät unter Optionen &gt; Anschlusszuordnung...</translation>
    </message>
    <message>
        <source>%1 could not be opened: its link %2 points to %3, which leads back round in a loop of links and never reaches a device. Choose the device in Options &gt; Port Map...</source>
        <translation>%1 konnte nicht geöffnet werden: Sein Link %2 zeigt auf %3, das über eine Schleife von Links im Kreis führt und nie ein Gerät erreicht. Wählen Sie das Gerät unter Optionen &gt; Anschlusszuordnung...</translation>
    </message>
    <message>
        <source>%1 could not be opened: another program is using it. Close that program, or choose another port.</source>
        <translation>%1 konnte nicht geöffnet werden: Ein anderes Programm verwendet den Anschluss. Schließen Sie dieses Programm oder wählen Sie einen anderen Anschluss.</translation>
    </message>
    <message>
        <source>%1 could not be opened: permission denied. Your user must be in the %2 group: run sudo adduser $USER %2, then log out and log in again.</source>
        <translation>%1 konnte nicht geöffnet werden: Zugriff verweigert. Ihr Benutzer muss in der Gruppe %2 sein: Führen Sie sudo adduser $USER %2 aus, melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>%1 could not be opened: permission denied. Ask the computer&apos;s administrator to give your user access to the serial port.</source>
        <translation>%1 konnte nicht geöffnet werden: Zugriff verweigert. Bitten Sie die Administration des Computers, Ihrem Benutzer Zugriff auf die serielle Schnittstelle zu geben.</translation>
    </message>
    <message>
        <source>%1 could not be opened (%2). Check the device and its cable, then try again.</source>
        <translation>%1 konnte nicht geöffnet werden (%2). Prüfen Sie das Gerät und sein Kabel und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>the device does not support it</source>
        <translation>das Gerät unterstützt das nicht</translation>
    </message>
    <message>
        <source>the device refused it (%1)</source>
        <translation>das Gerät hat das abgelehnt (%1)</translation>
    </message>
    <message>
        <source>%1 cannot use %2: %3. %4</source>
        <translation>%1 kann %2 nicht verwenden: %3. %4</translation>
    </message>
    <message>
        <source>The port was closed, because its previous settings could not be restored either.</source>
        <translation>Der Anschluss wurde geschlossen, weil auch seine vorherigen Einstellungen nicht wiederhergestellt werden konnten.</translation>
    </message>
    <message>
        <source>%1 is not open, so nothing was sent. Open it in Options &gt; Port Properties...</source>
        <translation>%1 ist nicht geöffnet, daher wurde nichts gesendet. Öffnen Sie den Anschluss unter Optionen &gt; Anschlusseinstellungen...</translation>
    </message>
    <message>
        <source>%1 is closed because %2, so nothing was sent. Plug the device back in: the port opens again by itself.</source>
        <translation>%1 ist geschlossen (%2), daher wurde nichts gesendet. Schließen Sie das Gerät wieder an: Der Anschluss öffnet sich dann von selbst wieder.</translation>
    </message>
    <message>
        <source>%1 did not take the bytes to send (%2). Check the device and its cable, then try again.</source>
        <translation>%1 hat die zu sendenden Bytes nicht angenommen (%2). Prüfen Sie das Gerät und sein Kabel und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>there is no device for this port</source>
        <translation>es gibt kein Gerät für diesen Anschluss</translation>
    </message>
    <message>
        <source>there is no device %1</source>
        <translation>es gibt kein Gerät %1</translation>
    </message>
    <message>
        <source>its link %1 leads round in a loop</source>
        <translation>sein Link %1 führt im Kreis</translation>
    </message>
    <message>
        <source>another program is using %1</source>
        <translation>ein anderes Programm verwendet %1</translation>
    </message>
    <message>
        <source>permission denied for %1</source>
        <translation>Zugriff auf %1 verweigert</translation>
    </message>
    <message>
        <source>%1 could not be opened</source>
        <translation>%1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the previous settings of %1 could not be restored</source>
        <translation>die vorherigen Einstellungen von %1 konnten nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>the device %1 refused the settings %2</source>
        <translation>das Gerät %1 hat die Einstellungen %2 abgelehnt</translation>
    </message>
    <message>
        <source>the device %1 was disconnected</source>
        <translation>das Gerät %1 wurde getrennt</translation>
    </message>
    <message>
        <source>%1 open: %2, %3</source>
        <translation>%1 offen: %2, %3</translation>
    </message>
    <message>
        <source>%1 closed</source>
        <translation>%1 geschlossen</translation>
    </message>
    <message>
        <source>%1 closed: %2</source>
        <translation>%1 geschlossen: %2</translation>
    </message>
    <message>
        <source>%1 opened: %2</source>
        <translation>%1 geöffnet: %2</translation>
    </message>
    <message>
        <source>%1 changed: %2</source>
        <translation>%1 geändert: %2</translation>
    </message>
    <message>
        <source>%1 reconnected: %2</source>
        <translation>%1 wieder verbunden: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the port is closed</source>
        <translation>der Anschluss ist geschlossen</translation>
    </message>
    <message>
        <source>the port is closed, because %1</source>
        <translation>der Anschluss ist geschlossen (%1)</translation>
    </message>
    <message>
        <source>the device did not take it (%1)</source>
        <translation>das Gerät hat die Daten nicht angenommen (%1)</translation>
    </message>
    <message>
        <source>%1 did not send %2: %3</source>
        <translation>%1 hat %2 nicht gesendet: %3</translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>%1 was not found</source>
        <extracomment>%1 is the file name of one of the program&apos;s modules.</extracomment>
        <translation>%1 wurde nicht gefunden</translation>
    </message>
</context>
<context>
    <name>QtAppendFile</name>
    <message>
        <source>The folder could not be created.</source>
        <translation>Der Ordner konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The file is not open.</source>
        <translation>Die Datei ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>QtDataFiles</name>
    <message>
        <source>The folder could not be created.</source>
        <translation>Der Ordner konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>SymbolicLink</name>
    <message>
        <source>this system has no symbolic links for ports</source>
        <translation>dieses System hat keine symbolischen Links für Anschlüsse</translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message numerus="yes">
        <source>%n entries were not logged: they left the record first</source>
        <translation>
            <numerusform>%n Eintrag wurde nicht mitgeschrieben: Er war schon aus der Aufzeichnung verdrängt</numerusform>
            <numerusform>%n Einträge wurden nicht mitgeschrieben: Sie waren schon aus der Aufzeichnung verdrängt</numerusform>
        </translation>
    </message>
    <message>
        <source>the disk did not keep up with the traffic</source>
        <translation>der Datenträger kam mit dem Datenverkehr nicht mit</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>Starts the operating system&apos;s system information tool</source>
        <translation>Startet das Systeminformationsprogramm des Betriebssystems</translation>
    </message>
    <message>
        <source>Built with Qt %1 and C++20.</source>
        <translation>Erstellt mit Qt %1 und C++20.</translation>
    </message>
    <message>
        <source>Drives the ramp&apos;s stepper motor and computes friction coefficients.</source>
        <translation>Steuert den Schrittmotor der Rampe und berechnet Reibungszahlen.</translation>
    </message>
    <message>
        <source>Made for the tilting-ramp friction lab.</source>
        <translation>Entwickelt für den Reibungsversuch mit der Kipprampe.</translation>
    </message>
    <message>
        <source>This lab helps students to learn the basic concepts of friction through experimentation.</source>
        <translation>Dieser Versuch hilft Lernenden, die Grundbegriffe der Reibung im Experiment kennenzulernen.</translation>
    </message>
    <message>
        <source>Provided as is, without warranty of any kind.</source>
        <translation>Ohne jegliche Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>frmCalculate</name>
    <message>
        <source>%1 - Friction Calculator</source>
        <extracomment>The calculator&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>%1 - Reibungsrechner</translation>
    </message>
    <message>
        <source>Coefficient of Static Friction</source>
        <translation>Haftreibungszahl</translation>
    </message>
    <message>
        <source>Enter the measured ramp angle</source>
        <translation>Geben Sie den gemessenen Rampenwinkel ein</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Berechnen!</translation>
    </message>
    <message>
        <source>Recalculate the static coefficient of friction</source>
        <translation>Haftreibungszahl neu berechnen</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Winkel (Grad)</translation>
    </message>
    <message>
        <source>Coefficient of Kinetic Friction</source>
        <translation>Gleitreibungszahl</translation>
    </message>
    <message>
        <source>Enter the measured block length</source>
        <translation>Geben Sie die gemessene Klotzlänge ein</translation>
    </message>
    <message>
        <source>Enter the time it takes for the block to pass through the photogate</source>
        <translation>Geben Sie die Zeit ein, die der Klotz braucht, um die Lichtschranke zu durchlaufen</translation>
    </message>
    <message>
        <source>Enter acceleration due to gravity</source>
        <translation>Geben Sie die Fallbeschleunigung ein</translation>
    </message>
    <message>
        <source>Recalculate the coefficient of kinetic friction</source>
        <translation>Gleitreibungszahl neu berechnen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Resets acceleration due to gravity on Earth</source>
        <translation>Setzt die Fallbeschleunigung auf den Wert der Erde zurück</translation>
    </message>
    <message>
        <source>Length of block (cm)</source>
        <translation>Klotzlänge (cm)</translation>
    </message>
    <message>
        <source>delta T (ms)</source>
        <translation>delta T (ms)</translation>
    </message>
    <message>
        <source>Accel Due to Gravity (m/s^2)</source>
        <translation>Fallbeschleunigung (m/s^2)</translation>
    </message>
</context>
<context>
    <name>frmMotorControl</name>
    <message>
        <source>%1 - Motor Control</source>
        <extracomment>The main window&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>%1 - Motorsteuerung</translation>
    </message>
    <message>
        <source>Motor Settings</source>
        <translation>Motoreinstellungen</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normalbetrieb</translation>
    </message>
    <message>
        <source>Motor moves a set distance</source>
        <translation>Der Motor fährt einen festen Weg</translation>
    </message>
    <message>
        <source>Continuous Mode (resets counter)</source>
        <translation>Dauerbetrieb (setzt Zähler zurück)</translation>
    </message>
    <message>
        <source>Motor moves continously until Stop button pressed</source>
        <translation>Der Motor fährt ohne Halt, bis Stopp gedrückt wird</translation>
    </message>
    <message>
        <source>Acceleration (rps^2)</source>
        <translation>Beschl. (U/s^2)</translation>
    </message>
    <message>
        <source>Adjust acceleration of motor (rps^2)</source>
        <translation>Beschleunigung des Motors einstellen (U/s^2)</translation>
    </message>
    <message>
        <source>Value of acceleration of motor (rps^2)</source>
        <translation>Wert der Beschleunigung des Motors (U/s^2)</translation>
    </message>
    <message>
        <source>Velocity (rps)</source>
        <translation>Geschwindigkeit (U/s)</translation>
    </message>
    <message>
        <source>Adjust velocity of motor (rps)</source>
        <translation>Geschwindigkeit des Motors einstellen (U/s)</translation>
    </message>
    <message>
        <source>Value of velocity of motor (rps)</source>
        <translation>Wert der Geschwindigkeit des Motors (U/s)</translation>
    </message>
    <message>
        <source>Distance (rotations)</source>
        <translation>Weg (Umdrehungen)</translation>
    </message>
    <message>
        <source>Adjust distance for motor to move (rotations)</source>
        <translation>Weg einstellen, den der Motor fährt (Umdrehungen)</translation>
    </message>
    <message>
        <source>Value of distance for motor to move (rotations)</source>
        <translation>Wert des Wegs, den der Motor fährt (Umdrehungen)</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Move ramp up</source>
        <translation>Rampe anheben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Move ramp down</source>
        <translation>Rampe absenken</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop motor immediately</source>
        <translation>Motor sofort anhalten</translation>
    </message>
    <message>
        <source>Step Accumulator</source>
        <translation>Schrittsumme</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nullen</translation>
    </message>
    <message>
        <source>Step Counter</source>
        <translation>Schrittzähler</translation>
    </message>
    <message>
        <source>Enter manual motor commands here:</source>
        <translation>Motorbefehle hier von Hand eingeben:</translation>
    </message>
    <message>
        <source>Type or select motor commands here</source>
        <translation>Motorbefehle hier eingeben oder auswählen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Send the command to the motor</source>
        <translation>Befehl an den Motor senden</translation>
    </message>
    <message>
        <source>Enter anywhere in the window presses Send</source>
        <translation>Die Eingabetaste löst überall im Fenster Senden aus</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Friction Calculator</source>
        <translation>Reibungsrechner</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Serial Monitor</source>
        <translation>Seriellmonitor</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Port Properties...</source>
        <translation>Anschlusseinstellungen...</translation>
    </message>
    <message>
        <source>Port Map...</source>
        <translation>Anschlusszuordnung...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Tiltbench...</source>
        <translation>Über Tiltbench...</translation>
    </message>
    <message>
        <source>Overflow: the step count cannot go beyond %1 to %2 steps. The count stays at %3; press Reset to start counting again.</source>
        <translation>Überlauf: Die Schrittzahl kann den Bereich von %1 bis %2 Schritten nicht verlassen. Der Zähler bleibt bei %3; drücken Sie Nullen, um neu zu zählen.</translation>
    </message>
    <message>
        <source>The command was not sent: the character &quot;%1&quot; at position %2 cannot be sent to the indexer, which takes only Latin-1 characters. Replace it, then press Send again.</source>
        <translation>Der Befehl wurde nicht gesendet: Das Zeichen „%1“ an Position %2 kann nicht an die Schrittmotorsteuerung gesendet werden, die nur Latin-1-Zeichen annimmt. Ersetzen Sie es und drücken Sie dann erneut Senden.</translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation>Beenden bestätigen</translation>
    </message>
    <message>
        <source>OK to quit?</source>
        <translation>Wirklich beenden?</translation>
    </message>
    <message>
        <source>reconnected</source>
        <extracomment>The port opened again by itself after its adapter came back.</extracomment>
        <translation>wieder verbunden</translation>
    </message>
    <message>
        <source>new device</source>
        <extracomment>The port was opened again on the device just chosen in the port map.</extracomment>
        <translation>neues Gerät</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The port&apos;s state on the status line, then why it opened by itself.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>frmPortMap</name>
    <message>
        <source>Serial Port Map</source>
        <translation>Serielle Anschlusszuordnung</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Choose the device for Com%1, or type its path</source>
        <translation>Wählen Sie das Gerät für Com%1 oder geben Sie seinen Pfad ein</translation>
    </message>
    <message>
        <source>The first entry, (default), is the system&apos;s own device for Com%1</source>
        <translation>Der erste Eintrag, (Standard), ist das systemeigene Gerät für Com%1</translation>
    </message>
    <message>
        <source>State of the device for Com%1</source>
        <translation>Zustand des Geräts für Com%1</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>List the serial devices again</source>
        <translation>Die seriellen Geräte neu auflisten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>present</source>
        <extracomment>The state of a port&apos;s device.</extracomment>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The state of a port&apos;s device.</extracomment>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>in use by Tiltbench</source>
        <extracomment>The state of a port&apos;s device: the program has it open.</extracomment>
        <translation>von Tiltbench belegt</translation>
    </message>
    <message>
        <source>Com%1 was left as it is: %2 is not a link, so Tiltbench does not replace it. Move it away to choose the device here.</source>
        <translation>Com%1 blieb unverändert: %2 ist kein Link, daher ersetzt Tiltbench die Datei nicht. Verschieben Sie sie an einen anderen Ort, um das Gerät hier zu wählen.</translation>
    </message>
    <message>
        <source>Com%1 was left as it is: %2 could not be written (%3).</source>
        <translation>Com%1 blieb unverändert: %2 konnte nicht geschrieben werden (%3).</translation>
    </message>
</context>
<context>
    <name>frmProperties</name>
    <message>
        <source>Com Port Properties</source>
        <translation>Anschlusseinstellungen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Anschluss:</translation>
    </message>
    <message>
        <source>Maximum Speed</source>
        <translation>Höchstgeschwindigkeit</translation>
    </message>
    <message>
        <source>Connection Preferences</source>
        <translation>Verbindungseinstellungen</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Stoppbits:</translation>
    </message>
    <message>
        <source>&amp;Echo</source>
        <translation>&amp;Echo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>&amp;Flow Control</source>
        <translation>&amp;Flusssteuerung</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No flow control.</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The previous port, Com%1, could not be opened again: %2</source>
        <translation>Der vorherige Anschluss, Com%1, konnte nicht wieder geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>frmSerialMonitor</name>
    <message>
        <source>%1 - Serial Monitor</source>
        <extracomment>The Serial Monitor&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>%1 - Seriellmonitor</translation>
    </message>
    <message>
        <source>Serial traffic</source>
        <translation>Serieller Datenverkehr</translation>
    </message>
    <message>
        <source>One row per write (TX), received line (RX) or port event, with its time; Ctrl+F finds, Ctrl+C copies the selected rows</source>
        <translation>Eine Zeile je Schreibvorgang (TX), empfangene Zeile (RX) oder Anschlussereignis, mit Zeit; Ctrl+F sucht, Ctrl+C kopiert die ausgewählten Zeilen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Text to find in the rows shown, in any case</source>
        <translation>Text, der in den angezeigten Zeilen gesucht wird, ohne Beachtung der Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The match above (Shift+F3)</source>
        <translation>Der Treffer darüber (Shift+F3)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>The match below (F3 or Enter)</source>
        <translation>Der Treffer darunter (F3 oder Enter)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Zeigen:</translation>
    </message>
    <message>
        <source>&amp;TX</source>
        <translation>&amp;TX</translation>
    </message>
    <message>
        <source>Show what was sent</source>
        <translation>Gesendetes zeigen</translation>
    </message>
    <message>
        <source>&amp;RX</source>
        <translation>&amp;RX</translation>
    </message>
    <message>
        <source>Show what was received</source>
        <translation>Empfangenes zeigen</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>&amp;Anschluss</translation>
    </message>
    <message>
        <source>Show what happened to the port</source>
        <translation>Ereignisse des Anschlusses zeigen</translation>
    </message>
    <message>
        <source>&amp;Hex</source>
        <translation>&amp;Hex</translation>
    </message>
    <message>
        <source>Show the bytes as a hex dump with their ASCII beside</source>
        <translation>Die Bytes als Hex-Dump mit ASCII daneben zeigen</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>&amp;Zeit:</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Since previous (ms)</source>
        <translation>Seit vorheriger (ms)</translation>
    </message>
    <message>
        <source>How the time of each row is shown</source>
        <translation>Wie die Zeit jeder Zeile angezeigt wird</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Freeze the view; recording goes on</source>
        <translation>Ansicht anhalten; die Aufzeichnung läuft weiter</translation>
    </message>
    <message>
        <source>The file the log is written to</source>
        <translation>Die Datei, in die mitgeschrieben wird</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Forget the traffic recorded so far</source>
        <translation>Den bisher aufgezeichneten Datenverkehr verwerfen</translation>
    </message>
    <message>
        <source>Write every row from now on to a file as it comes, until stopped</source>
        <translation>Ab jetzt jede Zeile sofort in eine Datei schreiben, bis Sie das Mitschreiben beenden</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Save the rows shown as a text file (Ctrl+S)</source>
        <translation>Die angezeigten Zeilen als Textdatei speichern (Ctrl+S)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>The Serial Monitor&apos;s log to %1 stopped: %2. What came before is in the file; the monitor goes on recording. Free some space or choose another file, then start the log again with Log to File...</source>
        <translation>Das Mitschreiben des Seriellmonitors in %1 wurde beendet: %2. Was davor kam, steht in der Datei; der Monitor zeichnet weiter auf. Schaffen Sie Platz oder wählen Sie eine andere Datei und starten Sie das Mitschreiben dann erneut mit In Datei mitschreiben...</translation>
    </message>
    <message>
        <source>Stop &amp;Log</source>
        <translation>&amp;Mitschreiben beenden</translation>
    </message>
    <message>
        <source>&amp;Log to File...</source>
        <translation>In Datei &amp;mitschreiben...</translation>
    </message>
    <message>
        <source>Logging to %1</source>
        <translation>Mitschrift in %1</translation>
    </message>
    <message>
        <source>Save Serial Monitor</source>
        <translation>Seriellmonitor speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The serial monitor could not be saved to %1: %2.</source>
        <translation>Der Seriellmonitor konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Log Serial Monitor to File</source>
        <translation>Seriellmonitor in Datei mitschreiben</translation>
    </message>
    <message>
        <source>Log files (*.log *.txt);;All files (*)</source>
        <translation>Logdateien (*.log *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
</TS>
