// Placeholder until the folder setup lands.
