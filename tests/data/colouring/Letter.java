public class Letter {
    // prints a letter from a text block
    public static void main(String[] args) {
        String name = args.length > 0 ? args[0] : "friend";
        String body = """
            Dear %s,
              thank you for the "kind" words.
            /* this is text, not a comment */
            """;
        System.out.printf(body, name);
        if (name.isEmpty()) return;
    }
}
