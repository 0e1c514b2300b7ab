"""Reading the probe's answer about a dialog."""


def controls(facts):
    """Control id -> (class, visible, enabled, checked, text)."""
    found = {}
    for line in facts.get("control", []):
        parts = line.split("|", 5)
        if len(parts) == 6:
            found[parts[0]] = tuple(parts[1:])
    return found
