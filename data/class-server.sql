-- The Tiltbench class server: where every bench of a class sends its trials, and where the
-- instructor's Tools > Class Results reads them live.
--
-- Run it once as the owner of the class's database (or as a superuser), in that database:
--
--     psql -d tiltbench -v ON_ERROR_STOP=1 -f class-server.sql
--
-- Running it again is harmless: it creates what is missing and leaves the data alone.
--
-- It makes two group roles. Members of tiltbench_station (one login per bench, named as the
-- bench's station) may add runs and trials, change the Use and Note of their own trials, and read
-- their own rows only: row-level security ties every row to the login that sent it. Members of
-- tiltbench_instructor may read every row. Nobody but the database's owner may delete or
-- otherwise change a row. docs/class-server.md has the rest of the set-up.

BEGIN;

-- Quiet on a second run, where everything it would create is there.
SET LOCAL client_min_messages = warning;

DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'tiltbench_station') THEN
        CREATE ROLE tiltbench_station NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'tiltbench_instructor') THEN
        CREATE ROLE tiltbench_instructor NOLOGIN;
    END IF;
END
$$;

CREATE SCHEMA IF NOT EXISTS tiltbench;
REVOKE ALL ON SCHEMA tiltbench FROM PUBLIC;
GRANT USAGE ON SCHEMA tiltbench TO tiltbench_station, tiltbench_instructor;

-- The columns follow the bench's own database (docs/results-database.md); uuids are the bench's,
-- so a row sent twice is the same row. The station is always the login that sent the row.
CREATE TABLE IF NOT EXISTS tiltbench.runs (
    uuid uuid PRIMARY KEY,
    station text NOT NULL DEFAULT session_user,
    name text NOT NULL,
    started_utc timestamptz NOT NULL,
    notes text NOT NULL DEFAULT '',
    angle_unc_deg double precision NOT NULL,
    length_unc_cm double precision NOT NULL,
    delta_t_unc_ms double precision NOT NULL,
    received_utc timestamptz NOT NULL DEFAULT now()
);

CREATE TABLE IF NOT EXISTS tiltbench.trials (
    uuid uuid PRIMARY KEY,
    station text NOT NULL DEFAULT session_user,
    run_uuid uuid NOT NULL REFERENCES tiltbench.runs (uuid),
    seq integer NOT NULL,
    time_utc timestamptz NOT NULL,
    sample text NOT NULL,
    kind text NOT NULL CHECK (kind IN ('static', 'kinetic')),
    angle_deg double precision NOT NULL,
    length_cm double precision,
    delta_t_ms double precision,
    g_m_s2 double precision,
    mu double precision NOT NULL,
    angle_unc_deg double precision NOT NULL,
    length_unc_cm double precision,
    delta_t_unc_ms double precision,
    mu_uncertainty double precision NOT NULL,
    excluded boolean NOT NULL DEFAULT false,
    note text NOT NULL DEFAULT '',
    received_utc timestamptz NOT NULL DEFAULT now()
);

CREATE INDEX IF NOT EXISTS trials_time ON tiltbench.trials (time_utc);
CREATE INDEX IF NOT EXISTS trials_run ON tiltbench.trials (run_uuid, seq);
CREATE INDEX IF NOT EXISTS trials_station ON tiltbench.trials (station);
CREATE INDEX IF NOT EXISTS runs_station ON tiltbench.runs (station);

-- A station inserts every column but its station (left to the default, the login) and the time
-- of arrival; it updates nothing directly and deletes nothing.
REVOKE ALL ON tiltbench.runs, tiltbench.trials FROM PUBLIC, tiltbench_station, tiltbench_instructor;
GRANT SELECT ON tiltbench.runs, tiltbench.trials TO tiltbench_station, tiltbench_instructor;
GRANT INSERT (uuid, name, started_utc, notes, angle_unc_deg, length_unc_cm, delta_t_unc_ms)
    ON tiltbench.runs TO tiltbench_station;
GRANT INSERT (uuid, run_uuid, seq, time_utc, sample, kind, angle_deg, length_cm, delta_t_ms,
              g_m_s2, mu, angle_unc_deg, length_unc_cm, delta_t_unc_ms, mu_uncertainty,
              excluded, note)
    ON tiltbench.trials TO tiltbench_station;

ALTER TABLE tiltbench.runs ENABLE ROW LEVEL SECURITY;
ALTER TABLE tiltbench.trials ENABLE ROW LEVEL SECURITY;

DROP POLICY IF EXISTS station_own ON tiltbench.runs;
CREATE POLICY station_own ON tiltbench.runs TO tiltbench_station
    USING (station = session_user)
    WITH CHECK (station = session_user);

-- A trial goes only into a run of the same station.
DROP POLICY IF EXISTS station_own ON tiltbench.trials;
CREATE POLICY station_own ON tiltbench.trials TO tiltbench_station
    USING (station = session_user)
    WITH CHECK (station = session_user
                AND EXISTS (SELECT FROM tiltbench.runs r
                            WHERE r.uuid = run_uuid AND r.station = session_user));

DROP POLICY IF EXISTS instructor_reads ON tiltbench.runs;
CREATE POLICY instructor_reads ON tiltbench.runs FOR SELECT TO tiltbench_instructor USING (true);
DROP POLICY IF EXISTS instructor_reads ON tiltbench.trials;
CREATE POLICY instructor_reads ON tiltbench.trials FOR SELECT TO tiltbench_instructor USING (true);

-- The one change a station makes to a trial already sent: Use and Note, on its own trials only.
-- Another station's trial (or one that was never sent) is refused with SQLSTATE 42501.
CREATE OR REPLACE FUNCTION tiltbench.change_trial(trial uuid, is_excluded boolean, new_note text)
    RETURNS void
    LANGUAGE plpgsql
    SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    UPDATE tiltbench.trials SET excluded = is_excluded, note = new_note
        WHERE uuid = trial AND station = session_user;
    IF NOT FOUND THEN
        RAISE EXCEPTION 'permission denied to change trial %: it is not a trial of station %',
            trial, session_user
            USING ERRCODE = 'insufficient_privilege';
    END IF;
END
$$;
REVOKE ALL ON FUNCTION tiltbench.change_trial(uuid, boolean, text) FROM PUBLIC;
GRANT EXECUTE ON FUNCTION tiltbench.change_trial(uuid, boolean, text) TO tiltbench_station;

-- Every new or changed trial is announced on the channel tiltbench_trials when its transaction
-- commits: the payload is the uuids of the trials a statement added or changed, comma-separated,
-- up to 200 to a notification (a payload holds at most 8000 bytes). The uuids tell a listener
-- which rows to read; whether it may read them is up to row-level security.
CREATE OR REPLACE FUNCTION tiltbench.announce_trials()
    RETURNS trigger
    LANGUAGE plpgsql
AS $$
BEGIN
    PERFORM pg_notify('tiltbench_trials', string_agg(uuid::text, ','))
        FROM (SELECT uuid, (row_number() OVER () - 1) / 200 AS slice FROM changed_trials) s
        GROUP BY slice;
    RETURN NULL;
END
$$;
DROP TRIGGER IF EXISTS announce_trial ON tiltbench.trials;
DROP FUNCTION IF EXISTS tiltbench.announce_trial();
DROP TRIGGER IF EXISTS announce_new_trials ON tiltbench.trials;
CREATE TRIGGER announce_new_trials AFTER INSERT ON tiltbench.trials
    REFERENCING NEW TABLE AS changed_trials
    FOR EACH STATEMENT EXECUTE FUNCTION tiltbench.announce_trials();
DROP TRIGGER IF EXISTS announce_changed_trials ON tiltbench.trials;
CREATE TRIGGER announce_changed_trials AFTER UPDATE ON tiltbench.trials
    REFERENCING NEW TABLE AS changed_trials
    FOR EACH STATEMENT EXECUTE FUNCTION tiltbench.announce_trials();

COMMIT;
