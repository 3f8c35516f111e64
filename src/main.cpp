// Placeholder entry point until the application shell arrives.
int main() { return 0; }
