<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChartPlot</name>
    <message>
        <source>Plot</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Coefficient of friction against trial number or ramp angle, one series per sample and kind, with error bars and mean or fitted lines</source>
        <translation>Reibungszahl über der Versuchsnummer oder dem Rampenwinkel, eine Reihe je Probe und Art, mit Fehlerbalken und Mittelwert- oder Ausgleichsgeraden</translation>
    </message>
</context>
<context>
    <name>ClassMessages</name>
    <message>
        <source>service %1</source>
        <translation>Service %1</translation>
    </message>
    <message>
        <source>, database %1</source>
        <translation>, Datenbank %1</translation>
    </message>
    <message>
        <source>%1 not installed</source>
        <translation>%1 nicht installiert</translation>
    </message>
    <message>
        <source>settings not usable</source>
        <translation>Einstellungen unbrauchbar</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgewiesen</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>falsches Passwort</translation>
    </message>
    <message>
        <source>no password in .pgpass</source>
        <translation>kein Passwort in .pgpass</translation>
    </message>
    <message>
        <source>TLS required</source>
        <translation>TLS erforderlich</translation>
    </message>
    <message>
        <source>certificate not trusted</source>
        <translation>Zertifikat nicht vertrauenswürdig</translation>
    </message>
    <message>
        <source>CA file missing</source>
        <translation>CA-Datei fehlt</translation>
    </message>
    <message>
        <source>no such database</source>
        <translation>Datenbank unbekannt</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>database not prepared</source>
        <translation>Datenbank nicht eingerichtet</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (QPSQL) is not installed, so Tiltbench cannot reach a class server. Install the package %1 (sudo apt-get install %1) and try again.</source>
        <translation>Der PostgreSQL-Treiber von Qt (QPSQL) ist nicht installiert, daher kann Tiltbench keinen Klassenserver erreichen. Installieren Sie das Paket %1 (sudo apt-get install %1) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The class server settings cannot be used</source>
        <translation>Die Einstellungen des Klassenservers sind nicht verwendbar</translation>
    </message>
    <message>
        <source>Correct them in Options &gt; Class Server....</source>
        <translation>Korrigieren Sie sie unter Optionen &gt; Klassenserver....</translation>
    </message>
    <message>
        <source>The class server&apos;s host name was not found (%1)</source>
        <translation>Der Hostname des Klassenservers wurde nicht gefunden (%1)</translation>
    </message>
    <message>
        <source>Check the host name and the network connection.</source>
        <translation>Prüfen Sie den Hostnamen und die Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>The class server refused the connection: nothing answers at %1</source>
        <translation>Der Klassenserver hat die Verbindung abgewiesen: Unter %1 antwortet nichts</translation>
    </message>
    <message>
        <source>Check the host and port, and that the server is running.</source>
        <translation>Prüfen Sie Host und Port und ob der Server läuft.</translation>
    </message>
    <message>
        <source>The class server did not answer (%1)</source>
        <translation>Der Klassenserver hat nicht geantwortet (%1)</translation>
    </message>
    <message>
        <source>Check the network connection, the host and the port.</source>
        <translation>Prüfen Sie die Netzwerkverbindung, den Host und den Port.</translation>
    </message>
    <message>
        <source>The class server refused the password of the login &quot;%1&quot; (%2)</source>
        <translation>Der Klassenserver hat das Passwort der Anmeldung „%1“ abgewiesen (%2)</translation>
    </message>
    <message>
        <source>Correct the password for this login in %1, or ask the server&apos;s administrator whether the login exists.</source>
        <translation>Korrigieren Sie das Passwort dieser Anmeldung in %1 oder fragen Sie die Administration des Servers, ob die Anmeldung existiert.</translation>
    </message>
    <message>
        <source>The class server asks for a password, and %1 holds none for the login &quot;%2&quot;</source>
        <translation>Der Klassenserver verlangt ein Passwort, und %1 enthält keines für die Anmeldung „%2“</translation>
    </message>
    <message>
        <source>Add a line host:port:database:login:password to that file (readable by you alone: chmod 600). Tiltbench does not store passwords.</source>
        <translation>Fügen Sie dieser Datei eine Zeile host:port:database:login:password hinzu (nur für Sie lesbar: chmod 600). Tiltbench speichert keine Passwörter.</translation>
    </message>
    <message>
        <source>The connection needs TLS on one side and the other does not offer it (%1)</source>
        <translation>Die Verbindung verlangt auf einer Seite TLS, und die andere bietet es nicht an (%1)</translation>
    </message>
    <message>
        <source>Ask the server&apos;s administrator to turn TLS on, or choose the TLS mode the server supports.</source>
        <translation>Bitten Sie die Administration des Servers, TLS einzuschalten, oder wählen Sie den TLS-Modus, den der Server unterstützt.</translation>
    </message>
    <message>
        <source>The class server&apos;s certificate is not trusted: it is not signed by the CA file given, or it names another host (%1)</source>
        <translation>Das Zertifikat des Klassenservers ist nicht vertrauenswürdig: Es ist nicht von der angegebenen CA-Datei signiert, oder es nennt einen anderen Host (%1)</translation>
    </message>
    <message>
        <source>Check the CA file and that the host name is the one in the server&apos;s certificate.</source>
        <translation>Prüfen Sie die CA-Datei und ob der Hostname der im Zertifikat des Servers ist.</translation>
    </message>
    <message>
        <source>The CA file for verify-full cannot be read</source>
        <translation>Die CA-Datei für verify-full kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Choose the certificate authority&apos;s file in Options &gt; Class Server....</source>
        <translation>Wählen Sie die Datei der Zertifizierungsstelle unter Optionen &gt; Klassenserver....</translation>
    </message>
    <message>
        <source>The class server has no such database (%1)</source>
        <translation>Der Klassenserver hat keine solche Datenbank (%1)</translation>
    </message>
    <message>
        <source>Check the database name.</source>
        <translation>Prüfen Sie den Namen der Datenbank.</translation>
    </message>
    <message>
        <source>The class server denied the login &quot;%1&quot; permission (%2)</source>
        <translation>Der Klassenserver hat der Anmeldung „%1“ den Zugriff verweigert (%2)</translation>
    </message>
    <message>
        <source>Ask the server&apos;s administrator to grant the login the role tiltbench_station (benches) or tiltbench_instructor.</source>
        <translation>Bitten Sie die Administration des Servers, der Anmeldung die Rolle tiltbench_station (Plätze) oder tiltbench_instructor zu geben.</translation>
    </message>
    <message>
        <source>The database has not been prepared for Tiltbench (%1)</source>
        <translation>Die Datenbank ist nicht für Tiltbench eingerichtet (%1)</translation>
    </message>
    <message>
        <source>The server&apos;s administrator loads class-server.sql into it (see docs/class-server.md).</source>
        <translation>Die Administration des Servers lädt class-server.sql in sie (siehe docs/class-server.md).</translation>
    </message>
    <message>
        <source>The connection to the class server was lost (%1)</source>
        <translation>Die Verbindung zum Klassenserver ist verloren gegangen (%1)</translation>
    </message>
    <message>
        <source>Tiltbench tries again by itself; nothing waiting is lost.</source>
        <translation>Tiltbench versucht es selbst erneut; nichts Wartendes geht verloren.</translation>
    </message>
    <message>
        <source>The class server reported a failure (%1)</source>
        <translation>Der Klassenserver hat einen Fehler gemeldet (%1)</translation>
    </message>
    <message>
        <source>

The server said: %1</source>
        <translation>

Der Server meldete: %1</translation>
    </message>
    <message>
        <source>Class: offline (%1), %2 waiting</source>
        <translation>Klasse: offline (%1), %2 wartend</translation>
    </message>
    <message>
        <source>Class: offline (%1)</source>
        <translation>Klasse: offline (%1)</translation>
    </message>
    <message>
        <source>Class: %1 waiting</source>
        <translation>Klasse: %1 wartend</translation>
    </message>
    <message>
        <source>Class: connecting</source>
        <translation>Klasse: verbindet</translation>
    </message>
    <message>
        <source>Class: connected</source>
        <translation>Klasse: verbunden</translation>
    </message>
</context>
<context>
    <name>ClassServerSettings</name>
    <message>
        <source>service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>station</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>CA file</source>
        <translation>CA-Datei</translation>
    </message>
</context>
<context>
    <name>ClassSummaryModel</name>
    <message>
        <source>Mean µ</source>
        <translation>Mittelwert µ</translation>
    </message>
    <message>
        <source>Std. deviation</source>
        <translation>Standardabw.</translation>
    </message>
    <message>
        <source>Std. error</source>
        <translation>Standardfehler</translation>
    </message>
    <message>
        <source>Weighted mean µ</source>
        <translation>Gew. Mittelwert µ</translation>
    </message>
    <message>
        <source>± weighted</source>
        <translation>± gewichtet</translation>
    </message>
</context>
<context>
    <name>ClassTools</name>
    <message>
        <source>Every trial goes to the class server (%1) as well.</source>
        <translation>Jeder Versuch geht auch an den Klassenserver (%1).</translation>
    </message>
</context>
<context>
    <name>ClassTrialModel</name>
    <message>
        <source>Static</source>
        <translation>Haftreibung</translation>
    </message>
    <message>
        <source>Kinetic</source>
        <translation>Gleitreibung</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Messreihe</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Left out of the summary at its station</source>
        <translation>An seinem Platz aus der Zusammenfassung genommen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Winkel (Grad)</translation>
    </message>
    <message>
        <source>Length (cm)</source>
        <translation>Länge (cm)</translation>
    </message>
    <message>
        <source>delta T (ms)</source>
        <translation>delta T (ms)</translation>
    </message>
    <message>
        <source>g (m/s^2)</source>
        <translation>g (m/s^2)</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
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
    <name>LabReport</name>
    <message>
        <source>± %1 degrees</source>
        <translation>± %1 Grad</translation>
    </message>
    <message>
        <source>%1, ± %2 cm, ± %3 ms</source>
        <translation>%1, ± %2 cm, ± %3 ms</translation>
    </message>
    <message>
        <source>started %1, no trials</source>
        <translation>begonnen %1, keine Versuche</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>For new trials: %1 (angle, block length, photogate time; g exact)</source>
        <translation>Für neue Versuche: %1 (Winkel, Klotzlänge, Lichtschrankenzeit; g exakt)</translation>
    </message>
    <message>
        <source>%1 calculated with %2</source>
        <translation>%1 berechnet mit %2</translation>
    </message>
    <message>
        <source>1 trial</source>
        <translation>1 Versuch</translation>
    </message>
    <message>
        <source>%1 trials</source>
        <translation>%1 Versuche</translation>
    </message>
    <message>
        <source>Friction lab report: %1</source>
        <translation>Protokoll Reibungsversuch: %1</translation>
    </message>
</context>
<context>
    <name>LazyClassModule</name>
    <message>
        <source>%1 is not the class module</source>
        <translation>%1 ist nicht das Klassenmodul</translation>
    </message>
</context>
<context>
    <name>LazyResultsStore</name>
    <message>
        <source>%1 is not the database module</source>
        <translation>%1 ist nicht das Datenbankmodul</translation>
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
        <translation>µk ist kleiner als 0: Der Klotz wurde schneller, als es selbst ohne Reibung möglich wäre. Prüfen Sie die Lichtschrankenzeit (zu kurz?), die Klotzlänge und den Winkel.</translation>
    </message>
    <message>
        <source>µ is over 2: the block would need more than twice its weight to hold it. Check the angle, and for µk the time and the length.</source>
        <translation>µ ist größer als 2: Der Klotz bräuchte mehr als das Doppelte seines Gewichts, um gehalten zu werden. Prüfen Sie den Winkel, bei µk auch Zeit und Länge.</translation>
    </message>
    <message>
        <source>The angle is 80° or more, steeper than the ramp tilts. Check the angle as typed.</source>
        <translation>Der Winkel beträgt 80° oder mehr, steiler, als die Rampe kippt. Prüfen Sie den eingegebenen Winkel.</translation>
    </message>
    <message>
        <source>The mean µk is above the mean µs: a block that slides needs less force to keep moving than to start. Check the kinetic trials&apos; times and lengths, and the static angles.</source>
        <translation>Der Mittelwert von µk liegt über dem von µs: Ein gleitender Klotz braucht weniger Kraft, um in Bewegung zu bleiben, als um loszugleiten. Prüfen Sie Zeiten und Längen der Gleitversuche und die Haftwinkel.</translation>
    </message>
</context>
<context>
    <name>PlotLayout</name>
    <message>
        <source>Bars: ± δµ of each trial; lines: weighted least-squares fits of µ against the angle</source>
        <translation>Balken: ± δµ jedes Versuchs; Linien: gewichtete Ausgleichsgeraden von µ über dem Winkel</translation>
    </message>
    <message>
        <source>*: the slope is not consistent with 0 (more than twice its uncertainty away)</source>
        <translation>*: Die Steigung ist nicht mit 0 verträglich (mehr als das Doppelte ihrer Unsicherheit entfernt)</translation>
    </message>
    <message>
        <source>Bars: ± δµ of each trial; dashed lines: the mean of each series</source>
        <translation>Balken: ± δµ jedes Versuchs; gestrichelte Linien: Mittelwert jeder Reihe</translation>
    </message>
</context>
<context>
    <name>PlotLegendView</name>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
</context>
<context>
    <name>PlotModule</name>
    <message>
        <source>%1 is not the plot module</source>
        <translation>%1 ist nicht das Diagrammmodul</translation>
    </message>
</context>
<context>
    <name>PlotScale</name>
    <message>
        <source>Trial</source>
        <translation>Versuch</translation>
    </message>
    <message>
        <source>Ramp angle (degrees)</source>
        <translation>Rampenwinkel (Grad)</translation>
    </message>
    <message>
        <source>no line: needs two angles and every δµ above 0</source>
        <translation>keine Gerade: braucht zwei Winkel und jedes δµ über 0</translation>
    </message>
    <message>
        <source>slope %1 per degree, intercept %2%3</source>
        <translation>Steigung %1 pro Grad, Achsenabschnitt %2%3</translation>
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
    <name>PsqlDatabase</name>
    <message>
        <source>the %1 holds a &apos;;&apos;</source>
        <translation>das Feld %1 enthält ein &apos;;&apos;</translation>
    </message>
    <message>
        <source>the table tiltbench.trials does not exist</source>
        <translation>die Tabelle tiltbench.trials existiert nicht</translation>
    </message>
    <message>
        <source>the login &quot;%1&quot; is not a member of tiltbench_station or tiltbench_instructor</source>
        <translation>die Anmeldung „%1“ ist kein Mitglied von tiltbench_station oder tiltbench_instructor</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
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
    <name>QtPrintDialog</name>
    <message>
        <source>Print %1</source>
        <translation>%1 drucken</translation>
    </message>
    <message>
        <source>the printer %1 cannot be used</source>
        <translation>der Drucker %1 kann nicht verwendet werden</translation>
    </message>
</context>
<context>
    <name>ReportPages</name>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Summary of the used trials</source>
        <translation>Zusammenfassung der verwendeten Versuche</translation>
    </message>
    <message>
        <source>No trial is used.</source>
        <translation>Kein Versuch wird verwendet.</translation>
    </message>
    <message>
        <source>Weighted mean µ ± σ</source>
        <translation>Gew. Mittelwert µ ± σ</translation>
    </message>
    <message>
        <source>Weighted mean: each trial counts with 1/δµ², and σ is its uncertainty from the trials&apos; δµ. χ²/ν is about 1 when the trials scatter as their δµ say, and well above 1 when they scatter more. The standard deviation and error are those of the plain mean.</source>
        <translation>Gewichteter Mittelwert: Jeder Versuch zählt mit 1/δµ², und σ ist seine Unsicherheit aus den δµ der Versuche. χ²/ν ist etwa 1, wenn die Versuche so streuen, wie ihre δµ sagen, und deutlich über 1, wenn sie stärker streuen. Standardabweichung und Standardfehler sind die des einfachen Mittelwerts.</translation>
    </message>
    <message>
        <source>µ against trial number</source>
        <translation>µ über der Versuchsnummer</translation>
    </message>
    <message>
        <source>µ against the ramp angle, with weighted straight lines</source>
        <translation>µ über dem Rampenwinkel, mit gewichteten Ausgleichsgeraden</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>The run has no trials.</source>
        <translation>Die Messreihe hat keine Versuche.</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>Winkel (°)</translation>
    </message>
    <message>
        <source>ΔT (ms)</source>
        <translation>ΔT (ms)</translation>
    </message>
    <message>
        <source>g (m/s²)</source>
        <translation>g (m/s²)</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Verwendet</translation>
    </message>
    <message>
        <source>Trial %1 (µ = %2, %3 degrees): %4</source>
        <translation>Versuch %1 (µ = %2, %3 Grad): %4</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>excluded</source>
        <translation>ausgelassen</translation>
    </message>
    <message>
        <source>Excluded trials (grey) are kept but left out of the summary and the plot. µ is the calculator&apos;s value; ± δµ is its first-order uncertainty from the ± values it was calculated with.</source>
        <translation>Ausgelassene Versuche (grau) bleiben erhalten, fehlen aber in der Zusammenfassung und im Diagramm. µ ist der Wert des Rechners; ± δµ ist seine Unsicherheit erster Ordnung aus den ±-Werten, mit denen er berechnet wurde.</translation>
    </message>
    <message>
        <source>Checks (marked ! above)</source>
        <translation>Prüfungen (oben mit ! markiert)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Messreihe</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Gedruckt</translation>
    </message>
    <message>
        <source>± values</source>
        <translation>±-Werte</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>the pages could not be started</source>
        <translation>die Seiten konnten nicht begonnen werden</translation>
    </message>
    <message>
        <source>the pages could not be finished</source>
        <translation>die Seiten konnten nicht abgeschlossen werden</translation>
    </message>
</context>
<context>
    <name>ResultsMessages</name>
    <message>
        <source>Qt&apos;s SQLite driver (%1) is not installed; on Debian it is the package libqt6sql6-sqlite</source>
        <translation>Der SQLite-Treiber von Qt (%1) ist nicht installiert; unter Debian ist er im Paket libqt6sql6-sqlite</translation>
    </message>
    <message>
        <source>%1 could not be opened (%2)</source>
        <translation>%1 konnte nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full (%2)</source>
        <translation>der Datenträger mit %1 ist voll (%2)</translation>
    </message>
    <message>
        <source>%1 may not be written (%2)</source>
        <translation>%1 darf nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>another program kept %1 locked for too long (%2)</source>
        <translation>ein anderes Programm hat %1 zu lange gesperrt (%2)</translation>
    </message>
    <message>
        <source>%1 is damaged or is not a database (%2)</source>
        <translation>%1 ist beschädigt oder keine Datenbank (%2)</translation>
    </message>
    <message>
        <source>%1 was made by a newer Tiltbench (%2)</source>
        <translation>%1 wurde von einem neueren Tiltbench angelegt (%2)</translation>
    </message>
    <message>
        <source>Tiltbench&apos;s database module could not be loaded (%1); installing Tiltbench again brings it back</source>
        <translation>Das Datenbankmodul von Tiltbench konnte nicht geladen werden (%1); eine erneute Installation von Tiltbench stellt es wieder her</translation>
    </message>
    <message>
        <source>The trial could not be saved: %1.

It is shown in the Results window, marked &quot;not saved&quot;, and kept in memory: Tiltbench writes it with the next save that succeeds, or when you press Retry Saving.</source>
        <translation>Der Versuch konnte nicht gespeichert werden: %1.

Er wird im Ergebnisfenster mit „nicht gespeichert“ markiert angezeigt und im Speicher gehalten: Tiltbench schreibt ihn beim nächsten erfolgreichen Speichern oder wenn Sie auf „Erneut speichern“ klicken.</translation>
    </message>
    <message>
        <source>The change could not be saved: %1.</source>
        <translation>Die Änderung konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>Not saved yet%1. Kept in memory and written with the next save that succeeds, or with Retry Saving.</source>
        <translation>Noch nicht gespeichert%1. Im Speicher gehalten und beim nächsten erfolgreichen Speichern geschrieben oder mit „Erneut speichern“.</translation>
    </message>
    <message>
        <source>1 trial or change is</source>
        <translation>1 Versuch oder Änderung ist</translation>
    </message>
    <message>
        <source>%1 trials or changes are</source>
        <translation>%1 Versuche oder Änderungen sind</translation>
    </message>
    <message>
        <source>%1 not saved%2.</source>
        <translation>%1 nicht gespeichert%2.</translation>
    </message>
    <message>
        <source>The results database could not be opened: %1. New trials are kept in memory, marked &quot;not saved&quot;; Retry Saving tries again.</source>
        <translation>Die Ergebnisdatenbank konnte nicht geöffnet werden: %1. Neue Versuche werden im Speicher gehalten und mit „nicht gespeichert“ markiert; „Erneut speichern“ versucht es noch einmal.</translation>
    </message>
    <message>
        <source>The results database could not be read: %1.</source>
        <translation>Die Ergebnisdatenbank konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The journals of the previous release could not be imported: %1. They stay where they are, and the next start tries again.</source>
        <translation>Die Journale der vorigen Version konnten nicht importiert werden: %1. Sie bleiben, wo sie sind, und der nächste Start versucht es erneut.</translation>
    </message>
    <message>
        <source>The journals of the previous release were imported: %1 trials from %2 files, one run per day. The files stay where they are.</source>
        <translation>Die Journale der vorigen Version wurden importiert: %1 Versuche aus %2 Dateien, eine Messreihe pro Tag. Die Dateien bleiben, wo sie sind.</translation>
    </message>
    <message>
        <source>%1, %2; left out.</source>
        <translation>%1, %2; ausgelassen.</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <translation>%1 wurde nicht importiert: %2.</translation>
    </message>
</context>
<context>
    <name>ResultsSession</name>
    <message>
        <source>(no sample)</source>
        <translation>(keine Probe)</translation>
    </message>
</context>
<context>
    <name>SqliteResultsStore</name>
    <message>
        <source>the folder could not be created</source>
        <translation>der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>layout version %1</source>
        <translation>Aufbauversion %1</translation>
    </message>
    <message>
        <source>run %1 is not in the database</source>
        <translation>Messreihe %1 ist nicht in der Datenbank</translation>
    </message>
</context>
<context>
    <name>SummaryGroup</name>
    <message>
        <source>The trials scatter more than their ± δµ allow (χ²/ν = %1, over 3): something varied beyond the stated uncertainties. Check that the ± values are honest, and look for a trial that stands out.</source>
        <translation>Die Versuche streuen stärker, als ihre ± δµ erlauben (χ²/ν = %1, über 3): Etwas hat sich über die angegebenen Unsicherheiten hinaus verändert. Prüfen Sie, ob die ±-Werte ehrlich sind, und suchen Sie nach einem Versuch, der heraussticht.</translation>
    </message>
    <message>
        <source>Scatter larger than the stated uncertainties.</source>
        <translation>Streuung größer als die angegebenen Unsicherheiten.</translation>
    </message>
    <message>
        <source>Mean µk above mean µs.</source>
        <translation>Mittleres µk über mittlerem µs.</translation>
    </message>
    <message>
        <source>No weighted mean: a trial has no δµ above 0.</source>
        <translation>Kein gewichteter Mittelwert: Ein Versuch hat kein δµ über 0.</translation>
    </message>
</context>
<context>
    <name>SummaryTableModel</name>
    <message>
        <source>Sample</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Mean µ</source>
        <translation>Mittelwert µ</translation>
    </message>
    <message>
        <source>Std. deviation</source>
        <translation>Standardabw.</translation>
    </message>
    <message>
        <source>Std. error</source>
        <translation>Standardfehler</translation>
    </message>
    <message>
        <source>Weighted mean µ</source>
        <translation>Gew. Mittelwert µ</translation>
    </message>
    <message>
        <source>±</source>
        <translation>±</translation>
    </message>
    <message>
        <source>χ²/ν</source>
        <translation>χ²/ν</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>The mean of µ with each trial weighted by 1/δµ²: precise trials count more</source>
        <translation>Der Mittelwert von µ mit jedem Versuch gewichtet mit 1/δµ²: Genaue Versuche zählen mehr</translation>
    </message>
    <message>
        <source>The uncertainty of the weighted mean, from the trials&apos; δµ</source>
        <translation>Die Unsicherheit des gewichteten Mittelwerts, aus den δµ der Versuche</translation>
    </message>
    <message>
        <source>Reduced chi-square of the trials about the weighted mean: about 1 when they scatter as their δµ say, well above 1 when they scatter more</source>
        <translation>Reduziertes Chi-Quadrat der Versuche um den gewichteten Mittelwert: etwa 1, wenn sie so streuen, wie ihre δµ sagen, deutlich über 1, wenn sie stärker streuen</translation>
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
    <name>Trial</name>
    <message>
        <source>Static</source>
        <translation>Haftreibung</translation>
    </message>
    <message>
        <source>Kinetic</source>
        <translation>Gleitreibung</translation>
    </message>
</context>
<context>
    <name>TrialCsv</name>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>auf ein schließendes Anführungszeichen folgt Text</translation>
    </message>
    <message>
        <source>a quote inside an unquoted field</source>
        <translation>ein Anführungszeichen in einem Feld ohne Anführungszeichen</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is out of range</source>
        <translation>%1 liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>the record has %1 fields instead of %2</source>
        <translation>der Datensatz hat %1 Felder statt %2</translation>
    </message>
    <message>
        <source>the trial number is not a positive whole number</source>
        <translation>die Versuchsnummer ist keine positive ganze Zahl</translation>
    </message>
    <message>
        <source>the time is not an ISO 8601 date and time</source>
        <translation>die Zeit ist kein Datum mit Uhrzeit nach ISO 8601</translation>
    </message>
    <message>
        <source>the kind is neither Static nor Kinetic</source>
        <translation>die Art (kind) ist weder Static noch Kinetic</translation>
    </message>
    <message>
        <source>the angle</source>
        <translation>der Winkel</translation>
    </message>
    <message>
        <source>a static trial has no %1</source>
        <translation>ein Haftreibungsversuch hat kein %1</translation>
    </message>
    <message>
        <source>mu is not a number</source>
        <translation>mu ist keine Zahl</translation>
    </message>
    <message>
        <source>mu does not follow from the row&apos;s own inputs (they give %1)</source>
        <translation>mu folgt nicht aus den Eingaben der Zeile (sie ergeben %1)</translation>
    </message>
    <message>
        <source>excluded is neither 0 nor 1</source>
        <translation>excluded ist weder 0 noch 1</translation>
    </message>
    <message>
        <source>the header row must read %1, optionally followed by ,%2</source>
        <translation>die Kopfzeile muss %1 lauten, wahlweise gefolgt von ,%2</translation>
    </message>
    <message>
        <source>; the file looks separated by &apos;;&apos;, and then the same names separated by &apos;;&apos; are read</source>
        <translation>; die Datei scheint durch „;“ getrennt, und dann werden dieselben Namen durch „;“ getrennt gelesen</translation>
    </message>
    <message>
        <source>; the file does not look separated by &apos;;&apos;</source>
        <translation>; die Datei scheint nicht durch „;“ getrennt</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the line is incomplete</source>
        <translation>die Zeile ist unvollständig</translation>
    </message>
    <message>
        <source>lines %1 to %2 (from column %3 of line %1): %4</source>
        <translation>Zeilen %1 bis %2 (ab Spalte %3 von Zeile %1): %4</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
</context>
<context>
    <name>TrialTableModel</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <source>%1, not saved</source>
        <translation>%1, nicht gespeichert</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>#</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Winkel (Grad)</translation>
    </message>
    <message>
        <source>Length (cm)</source>
        <translation>Länge (cm)</translation>
    </message>
    <message>
        <source>delta T (ms)</source>
        <translation>delta T (ms)</translation>
    </message>
    <message>
        <source>g (m/s^2)</source>
        <translation>g (m/s^2)</translation>
    </message>
    <message>
        <source>µ</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>± δµ</source>
        <translation>± δµ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Used in the summary and the plot</source>
        <translation>In der Zusammenfassung und im Diagramm verwendet</translation>
    </message>
    <message>
        <source>Left out of the summary and the plot</source>
        <translation>In der Zusammenfassung und im Diagramm ausgelassen</translation>
    </message>
</context>
<context>
    <name>UnsavedPrompt</name>
    <message>
        <source>%1

They stay in memory while Tiltbench runs, and are lost when it ends. Export the run to a CSV file first?</source>
        <translation>%1

Sie bleiben im Speicher, solange Tiltbench läuft, und gehen verloren, wenn es endet. Die Messreihe zuerst in eine CSV-Datei exportieren?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1

They are lost when Tiltbench ends. Export the run to a CSV file first?</source>
        <translation>%1

Sie gehen verloren, wenn Tiltbench endet. Die Messreihe zuerst in eine CSV-Datei exportieren?</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Beenden ohne Speichern</translation>
    </message>
    <message>
        <source>%1

They belong to the open run and are given up when another run is opened. Export the run to a CSV file first?</source>
        <translation>%1

Sie gehören zur offenen Messreihe und werden aufgegeben, wenn eine andere Messreihe geöffnet wird. Die Messreihe zuerst in eine CSV-Datei exportieren?</translation>
    </message>
    <message>
        <source>Discard Them</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The trials could not be exported.

%1: %2</source>
        <translation>Die Versuche konnten nicht exportiert werden.

%1: %2</translation>
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
    <name>frmClassResults</name>
    <message>
        <source>%1 - Class Results</source>
        <translation>%1 - Klassenergebnisse</translation>
    </message>
    <message>
        <source>The first day whose trials are shown</source>
        <translation>Der erste Tag, dessen Versuche gezeigt werden</translation>
    </message>
    <message>
        <source>The last day whose trials are shown</source>
        <translation>Der letzte Tag, dessen Versuche gezeigt werden</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;All dates</source>
        <translation>&amp;Alle Tage</translation>
    </message>
    <message>
        <source>Show the trials of every day</source>
        <translation>Die Versuche aller Tage zeigen</translation>
    </message>
    <message>
        <source>Show only runs whose name holds this text</source>
        <translation>Nur Messreihen zeigen, deren Name diesen Text enthält</translation>
    </message>
    <message>
        <source>&amp;Run name:</source>
        <translation>&amp;Name der Messreihe:</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>S&amp;ummary</source>
        <translation>&amp;Zusammenfassung</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Write the trials shown to a CSV file</source>
        <translation>Die gezeigten Versuche in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>%1 trials from %2 stations</source>
        <translation>%1 Versuche von %2 Plätzen</translation>
    </message>
    <message>
        <source>Reading the class&apos;s trials from %1...</source>
        <translation>Die Versuche der Klasse werden von %1 gelesen...</translation>
    </message>
    <message>
        <source>Live: %1.</source>
        <translation>Live: %1.</translation>
    </message>
    <message>
        <source>New trials appear as their stations send them</source>
        <translation>Neue Versuche erscheinen, sobald ihre Plätze sie senden</translation>
    </message>
    <message>
        <source>Offline (%1): showing the %2 read before; trying again by itself.</source>
        <translation>Offline (%1): Gezeigt werden die zuvor gelesenen %2; neuer Versuch erfolgt selbsttätig.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The class results could not be exported.

%1: %2</source>
        <translation>Die Klassenergebnisse konnten nicht exportiert werden.

%1: %2</translation>
    </message>
</context>
<context>
    <name>frmClassServer</name>
    <message>
        <source>Class Server</source>
        <translation>Klassenserver</translation>
    </message>
    <message>
        <source>The class server&apos;s host name or address</source>
        <translation>Hostname oder Adresse des Klassenservers</translation>
    </message>
    <message>
        <source>PostgreSQL&apos;s port, usually 5432</source>
        <translation>Port von PostgreSQL, meist 5432</translation>
    </message>
    <message>
        <source>The class&apos;s database on the server</source>
        <translation>Die Datenbank der Klasse auf dem Server</translation>
    </message>
    <message>
        <source>This bench&apos;s login on the server; its trials are filed under it</source>
        <translation>Die Anmeldung dieses Platzes am Server; seine Versuche werden darunter abgelegt</translation>
    </message>
    <message>
        <source>prefer: TLS where the server offers it; require: only with TLS; verify-full: only with TLS, to a server whose certificate the CA file vouches for</source>
        <translation>prefer: TLS, wo der Server es anbietet; require: nur mit TLS; verify-full: nur mit TLS, zu einem Server, dessen Zertifikat die CA-Datei bestätigt</translation>
    </message>
    <message>
        <source>The certificate authority that signed the server&apos;s certificate (verify-full)</source>
        <translation>Die Zertifizierungsstelle, die das Zertifikat des Servers signiert hat (verify-full)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>A service of pg_service.conf; when given, it replaces all the fields above</source>
        <translation>Ein Service aus pg_service.conf; wenn angegeben, ersetzt er alle Felder darüber</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Datenbank:</translation>
    </message>
    <message>
        <source>&amp;Station name:</source>
        <translation>Plat&amp;zname:</translation>
    </message>
    <message>
        <source>T&amp;LS:</source>
        <translation>T&amp;LS:</translation>
    </message>
    <message>
        <source>&amp;CA file:</source>
        <translation>&amp;CA-Datei:</translation>
    </message>
    <message>
        <source>Or ser&amp;vice:</source>
        <translation>Oder Se&amp;rvice:</translation>
    </message>
    <message>
        <source>Tiltbench stores no password: libpq reads it from ~/.pgpass (or the file PGPASSFILE names).</source>
        <translation>Tiltbench speichert kein Passwort: libpq liest es aus ~/.pgpass (oder der Datei, die PGPASSFILE nennt).</translation>
    </message>
    <message>
        <source>&amp;Test Connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <source>Connect with the settings above and say what failed</source>
        <translation>Mit den Einstellungen oben verbinden und sagen, was fehlschlug</translation>
    </message>
    <message>
        <source>Give a host or a service first.</source>
        <translation>Geben Sie zuerst einen Host oder einen Service an.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbindung zu %1 wird hergestellt...</translation>
    </message>
    <message>
        <source>it sends this bench&apos;s trials and reads every station&apos;s</source>
        <translation>er sendet die Versuche dieses Platzes und liest die aller Plätze</translation>
    </message>
    <message>
        <source>it sends this bench&apos;s trials</source>
        <translation>er sendet die Versuche dieses Platzes</translation>
    </message>
    <message>
        <source>it reads every station&apos;s trials (it cannot send)</source>
        <translation>er liest die Versuche aller Plätze (er kann nicht senden)</translation>
    </message>
    <message>
        <source>Connected to %1 as &quot;%2&quot;: %3.</source>
        <translation>Verbunden mit %1 als „%2“: %3.</translation>
    </message>
    <message>
        <source>CA File</source>
        <translation>CA-Datei</translation>
    </message>
    <message>
        <source>Certificates (*.crt *.pem *.cer);;All files (*)</source>
        <translation>Zertifikate (*.crt *.pem *.cer);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The class server settings could not be saved in Tiltbench&apos;s settings file. Check that your configuration folder is writable.</source>
        <translation>Die Einstellungen des Klassenservers konnten nicht in der Einstellungsdatei von Tiltbench gespeichert werden. Prüfen Sie, ob Ihr Konfigurationsordner beschreibbar ist.</translation>
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
    <name>frmNewRun</name>
    <message>
        <source>%1 - New Run</source>
        <translation>%1 - Neue Messreihe</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>The group or session the next trials belong to</source>
        <translation>Die Gruppe oder Sitzung, zu der die nächsten Versuche gehören</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Who measured, the ramp, anything worth keeping</source>
        <translation>Wer gemessen hat, die Rampe, alles, was festzuhalten ist</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>N&amp;otizen:</translation>
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
    <name>frmResults</name>
    <message>
        <source>%1 - Results</source>
        <translation>%1 - Ergebnisse</translation>
    </message>
    <message>
        <source>Run:</source>
        <translation>Messreihe:</translation>
    </message>
    <message>
        <source>&amp;New Run...</source>
        <translation>&amp;Neue Messreihe...</translation>
    </message>
    <message>
        <source>Start a run for the next group (Ctrl+N)</source>
        <translation>Eine Messreihe für die nächste Gruppe beginnen (Ctrl+N)</translation>
    </message>
    <message>
        <source>&amp;Runs...</source>
        <translation>&amp;Messreihen...</translation>
    </message>
    <message>
        <source>List every run to open, rename or export one</source>
        <translation>Alle Messreihen auflisten, um eine zu öffnen, umzubenennen oder zu exportieren</translation>
    </message>
    <message>
        <source>Pr&amp;int...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Print the lab report of the run: its facts, the summary, the plot and every trial (Ctrl+P)</source>
        <translation>Das Protokoll der Messreihe drucken: ihre Angaben, die Zusammenfassung, das Diagramm und jeden Versuch (Ctrl+P)</translation>
    </message>
    <message>
        <source>E&amp;xport PDF...</source>
        <translation>PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write the lab report of the run to a PDF file</source>
        <translation>Das Protokoll der Messreihe in eine PDF-Datei schreiben</translation>
    </message>
    <message>
        <source>The surface being measured; each new trial takes it</source>
        <translation>Die gemessene Oberfläche; jeder neue Versuch übernimmt sie</translation>
    </message>
    <message>
        <source>&amp;Sample:</source>
        <translation>&amp;Probe:</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Probe:</translation>
    </message>
    <message>
        <source>Uncertainty of the measured angle, for new trials</source>
        <translation>Unsicherheit des gemessenen Winkels, für neue Versuche</translation>
    </message>
    <message>
        <source>Uncertainty of the block length, for new trials</source>
        <translation>Unsicherheit der Klotzlänge, für neue Versuche</translation>
    </message>
    <message>
        <source>Uncertainty of the photogate time, for new trials</source>
        <translation>Unsicherheit der Lichtschrankenzeit, für neue Versuche</translation>
    </message>
    <message>
        <source>± &amp;angle (degrees):</source>
        <translation>± &amp;Winkel (Grad):</translation>
    </message>
    <message>
        <source>± &amp;length (cm):</source>
        <translation>± &amp;Länge (cm):</translation>
    </message>
    <message>
        <source>± &amp;delta T (ms):</source>
        <translation>± &amp;delta T (ms):</translation>
    </message>
    <message>
        <source>Appl&amp;y to All Trials</source>
        <translation>Auf &amp;alle Versuche anwenden</translation>
    </message>
    <message>
        <source>Recompute δµ of every trial of the run with these ± values</source>
        <translation>δµ jedes Versuchs der Messreihe mit diesen ±-Werten neu berechnen</translation>
    </message>
    <message>
        <source>Retry Sa&amp;ving</source>
        <translation>&amp;Erneut speichern</translation>
    </message>
    <message>
        <source>Write the unsaved trials and changes to the database</source>
        <translation>Die nicht gespeicherten Versuche und Änderungen in die Datenbank schreiben</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Space uses or leaves out the selected trials, Delete removes them, Ctrl+C copies them, F2 edits a sample name or a note</source>
        <translation>Leertaste verwendet die ausgewählten Versuche oder lässt sie aus, Entf löscht sie, Ctrl+C kopiert sie, F2 bearbeitet einen Probennamen oder eine Notiz</translation>
    </message>
    <message>
        <source>Summary of the used trials</source>
        <translation>Zusammenfassung der verwendeten Versuche</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Per sample and kind: count, mean, standard deviation and error, the weighted mean with its uncertainty, the reduced chi-square and a note</source>
        <translation>Je Probe und Art: Anzahl, Mittelwert, Standardabweichung und Standardfehler, der gewichtete Mittelwert mit seiner Unsicherheit, das reduzierte Chi-Quadrat und eine Notiz</translation>
    </message>
    <message>
        <source>Open CSV...</source>
        <translation>CSV öffnen...</translation>
    </message>
    <message>
        <source>Read the trials of a CSV file into a new run</source>
        <translation>Die Versuche einer CSV-Datei in eine neue Messreihe einlesen</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Write the run&apos;s trials to a CSV file</source>
        <translation>Die Versuche der Messreihe in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Leeren...</translation>
    </message>
    <message>
        <source>Delete every trial of the run</source>
        <translation>Alle Versuche der Messreihe löschen</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>Trial number</source>
        <translation>Versuchsnummer</translation>
    </message>
    <message>
        <source>Ramp angle</source>
        <translation>Rampenwinkel</translation>
    </message>
    <message>
        <source>Against the ramp angle each series gets a weighted straight line: a slope not consistent with 0 means that µ depends on the angle</source>
        <translation>Über dem Rampenwinkel erhält jede Reihe eine gewichtete Ausgleichsgerade: Eine Steigung, die nicht mit 0 verträglich ist, bedeutet, dass µ vom Winkel abhängt</translation>
    </message>
    <message>
        <source>&amp;Horizontal axis:</source>
        <translation>&amp;Horizontale Achse:</translation>
    </message>
    <message>
        <source>Horizontal axis:</source>
        <translation>Horizontale Achse:</translation>
    </message>
    <message>
        <source>Save Plot...</source>
        <translation>Diagramm speichern...</translation>
    </message>
    <message>
        <source>Save the plot as a PNG image or an SVG drawing</source>
        <translation>Das Diagramm als PNG-Bild oder SVG-Zeichnung speichern</translation>
    </message>
    <message>
        <source>&amp;Plot</source>
        <translation>D&amp;iagramm</translation>
    </message>
    <message>
        <source>Started %1</source>
        <translation>Begonnen %1</translation>
    </message>
    <message>
        <source>the selected trial</source>
        <translation>den ausgewählten Versuch</translation>
    </message>
    <message>
        <source>the %1 selected trials</source>
        <translation>die %1 ausgewählten Versuche</translation>
    </message>
    <message>
        <source>Delete Trials</source>
        <translation>Versuche löschen</translation>
    </message>
    <message>
        <source>Delete %1? They cannot be brought back.

To leave a trial out of the summary and the plot but keep it, clear its Use box instead (Space).</source>
        <translation>%1 löschen? Gelöschte Versuche lassen sich nicht zurückholen.

Um einen Versuch in der Zusammenfassung und im Diagramm auszulassen, ihn aber zu behalten, entfernen Sie stattdessen das Häkchen bei „Verwenden“ (Leertaste).</translation>
    </message>
    <message>
        <source>Apply to All Trials</source>
        <translation>Auf alle Versuche anwenden</translation>
    </message>
    <message>
        <source>Recompute δµ of all %1 trials of the run %2 with ± %3 degrees, ± %4 cm and ± %5 ms? The values they were calculated with are replaced.</source>
        <translation>δµ aller %1 Versuche der Messreihe %2 mit ± %3 Grad, ± %4 cm und ± %5 ms neu berechnen? Die Werte, mit denen sie berechnet wurden, werden ersetzt.</translation>
    </message>
    <message>
        <source>Open CSV</source>
        <translation>CSV öffnen</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 was not opened: %2.</source>
        <translation>%1 wurde nicht geöffnet: %2.</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>Die Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 holds no trial that could be read.</source>
        <translation>%1 enthält keinen lesbaren Versuch.</translation>
    </message>
    <message>
        <source>%1 was read into the run %2: %3. These lines were left out:</source>
        <translation>%1 wurde in die Messreihe %2 eingelesen: %3. Diese Zeilen wurden ausgelassen:</translation>
    </message>
    <message>
        <source>1 trial</source>
        <translation>1 Versuch</translation>
    </message>
    <message>
        <source>%1 trials</source>
        <translation>%1 Versuche</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The trials could not be exported</source>
        <translation>Die Versuche konnten nicht exportiert werden</translation>
    </message>
    <message>
        <source>Clear Results</source>
        <translation>Ergebnisse leeren</translation>
    </message>
    <message>
        <source>Delete all %1 trials of the run %2? They cannot be brought back.</source>
        <translation>Alle %1 Versuche der Messreihe %2 löschen? Sie lassen sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>The plot could not be saved</source>
        <translation>Das Diagramm konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The report could not be printed: %1.

Export PDF... writes it to a file instead.</source>
        <translation>Das Protokoll konnte nicht gedruckt werden: %1.

„PDF exportieren...“ schreibt es stattdessen in eine Datei.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be made: %1.</source>
        <translation>Das Protokoll konnte nicht erstellt werden: %1.</translation>
    </message>
    <message>
        <source>The report could not be exported</source>
        <translation>Das Protokoll konnte nicht exportiert werden</translation>
    </message>
    <message>
        <source>The plot cannot be shown: %1.</source>
        <translation>Das Diagramm kann nicht angezeigt werden: %1.</translation>
    </message>
</context>
<context>
    <name>frmRuns</name>
    <message>
        <source>%1 - Runs</source>
        <translation>%1 - Messreihen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Last trial</source>
        <translation>Letzter Versuch</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Messreihen</translation>
    </message>
    <message>
        <source>Enter opens the selected run, F2 renames it</source>
        <translation>Eingabetaste öffnet die ausgewählte Messreihe, F2 benennt sie um</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Show the selected run in the Results window</source>
        <translation>Die ausgewählte Messreihe im Ergebnisfenster zeigen</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Edit the name of the selected run</source>
        <translation>Den Namen der ausgewählten Messreihe bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Write the selected run&apos;s trials to a CSV file</source>
        <translation>Die Versuche der ausgewählten Messreihe in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The trials could not be exported.

%1: %2</source>
        <translation>Die Versuche konnten nicht exportiert werden.

%1: %2</translation>
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
